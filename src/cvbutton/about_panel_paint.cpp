// Painting the about panel: its title, version, credit line, web address and raised Close button.
#include "cvbutton/about_panel_paint.h"

#include "cvbutton/render/colors.h"
#include "cvbutton/render/gradients.h"
#include "cvbutton/render/lines_boxes.h"

#include <QFont>

namespace cvbutton {
namespace {

using host::Rect;
using host::Surface;

constexpr unsigned kLine = host::DT_SINGLELINE | host::DT_VCENTER;
constexpr int L = 290;
constexpr int T = 80;
constexpr int R = 360;
constexpr int B = 106;

void setFont(Surface& panel, int points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(points);
    font.setBold(bold);
    font.setUnderline(underline);
    panel.setFont(font);
}

// The panel's lines are placed by their top left corner; their boxes do not bound them.
void drawText(Surface& panel, const QString& text, Rect rect, unsigned format = kLine)
{
    panel.drawText(text, rect, format | host::DT_NOCLIP);
}

void DrawCloseOutline(Surface& panel, platform::Colorref shadow)
{
    using render::DrawLineDC;
    DrawLineDC(panel, L + 2, T, R - 2, T, shadow);
    DrawLineDC(panel, L + 2, T, L, T + 2, shadow);
    DrawLineDC(panel, R - 2, T, R, T + 2, shadow);
    DrawLineDC(panel, L, T + 2, L, B - 2, shadow);
    DrawLineDC(panel, R, T + 2, R, B, shadow);
    DrawLineDC(panel, L, B - 2, L + 2, B, shadow);
    DrawLineDC(panel, R, B - 2, R - 3, B + 1, shadow);
    DrawLineDC(panel, L + 2, B, R - 2, B, shadow);
}

void DrawCloseCorners(Surface& panel, platform::Colorref face)
{
    for (const auto& [x, y] : {std::pair{L, T},
                               {L + 1, T},
                               {L, T + 1},
                               {R, T},
                               {R - 1, T},
                               {R, T + 1},
                               {L, B},
                               {L + 1, B},
                               {L, B - 1},
                               {R, B},
                               {R - 1, B},
                               {R, B - 1}})
        panel.setPixel(x, y, face);
}

} // namespace

void DrawCloseButton(Surface& panel, const AboutPanelColors& colors, bool pressed)
{
    const platform::Colorref light = render::ShiftColor(colors.face, 15);
    const platform::Colorref dark = render::ShiftColor(colors.face, -15);
    render::DrawVGradientDC(panel, pressed ? dark : light, pressed ? light : dark, L, T, R, B - T);
    DrawCloseOutline(panel, colors.shadow);
    DrawCloseCorners(panel, colors.face);
    setFont(panel, 8, false, true);
    panel.setForegroundColor(0xFF0000);
    drawText(panel, QStringLiteral("Close"), {L, T, R, B}, kLine | host::DT_CENTER);
}

void PaintAboutPanel(Surface& panel, const AboutPanelColors& colors)
{
    panel.setForegroundColor(colors.text);
    setFont(panel, 18, false, false);
    drawText(panel, QStringLiteral("cvButton"), {20, 10, 220, 40});
    setFont(panel, 10, false, false);
    drawText(panel, QStringLiteral("Version ") + QLatin1String(kAboutVersion), {160, 70, 300, 20});
    setFont(panel, 10, true, false);
    drawText(panel, QStringLiteral("By the Corvane developers"), {20, 110, 250, 20});
    setFont(panel, 10, false, false);
    drawText(panel, QStringLiteral("corvane.example/cvbutton"), {20, 140, 250, 20});
    DrawCloseButton(panel, colors, false);
}

} // namespace cvbutton

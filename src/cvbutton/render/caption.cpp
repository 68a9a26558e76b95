#include "cvbutton/render/caption.h"

#include "cvbutton/button_types.h"
#include "cvbutton/render/colors.h"

namespace cvbutton::render {
namespace {

constexpr Colorref kGrayTextOleColor = 0x80000011;

} // namespace

Colorref captionColor(const CaptionLook& look)
{
    if (look.DrawState == StateDisabled)
        return TranslateColor(kGrayTextOleColor);
    if (!look.UseCustomColors)
        return platform::SystemColors::current().color(platform::COLOR_BTNTEXT);
    return look.DrawState == StateNormal ? look.FontColor : look.FontHighlightColor;
}

void DrawCaption(platform::Surface& surface, const QString& Caption, platform::Rect CaptionRect,
                 unsigned CaptionFormat, const CaptionLook& look)
{
    const Colorref remembered = surface.foregroundColor();
    surface.setForegroundColor(captionColor(look));
    surface.drawText(Caption, CaptionRect, CaptionFormat);
    surface.setForegroundColor(remembered);
}

} // namespace cvbutton::render

// The five faces the pipeline paints itself: standard, soft, flat, etched and tinted.
#include "cvbutton/render/inline_faces.h"

#include "cvbutton/render/colors.h"
#include "cvbutton/render/draw_state.h"
#include "cvbutton/render/etched_frame.h"
#include "cvbutton/render/lines_boxes.h"

namespace cvbutton::render {
namespace {

constexpr Colorref kBlack = 0x000000;

Colorref chosen(const FaceView& view, Colorref custom, Colorref system)
{
    return view.UseCustomColors ? custom : system;
}

void setBackground(Surface& hDC, Colorref color)
{
    hDC.setBackgroundColor(color);
    hDC.clear();
}

void edgeBox(Surface& hDC, const FaceView& view, unsigned edge)
{
    DrawEdgeBox(hDC, 0, 0, static_cast<float>(view.W), static_cast<float>(view.H), edge, host::BF_RECT, view.System);
}

void outline(Surface& hDC, const FaceView& view, Colorref color)
{
    DrawBox(hDC, 0, 0, view.W - 1, view.H - 1, color);
}

// The soft and flat styles keep the back colour while idle or disabled.
Colorref softFaceColor(const FaceView& view, int DrawState)
{
    const bool idle = DrawState == StateNormal || DrawState == StateDisabled;
    return chosen(view, idle ? view.BackColor : view.HighlightColor, view.ButtonFace);
}

Colorref etchedFillColor(const FaceView& view, int DrawState)
{
    const Colorref shadow = view.ButtonShadow;
    const Colorref face = view.ButtonFace;
    if (DrawState == StateHot)
        return view.UseCustomColors ? MixColors(view.HighlightColor, view.BackColor) : MixColors(shadow, face);
    if (DrawState == StatePressed)
        return view.UseCustomColors ? view.HighlightColor : shadow;
    return chosen(view, view.BackColor, view.ButtonFace);
}

} // namespace

void DrawStandardFace(Surface& hDC, const FaceView& view, int DrawState)
{
    setBackground(hDC, chosen(view, DrawState == StateNormal ? view.BackColor : view.HighlightColor, view.ButtonFace));
    edgeBox(hDC, view, DrawState == StatePressed ? host::EDGE_SUNKEN : host::EDGE_RAISED);
    if ((view.HasFocus && view.ShowFocus) || (!view.HasFocus && view.DisplayAsDefault))
        outline(hDC, view, kBlack);
}

void DrawSoftFace(Surface& hDC, const FaceView& view, int DrawState)
{
    const Colorref face = softFaceColor(view, DrawState);
    setBackground(hDC, face);
    if (DrawState == StateNormal || DrawState == StateHot || DrawState == StateDefaulted)
        edgeBox(hDC, view, host::BDR_RAISEDINNER);
    else if (DrawState == StatePressed)
        edgeBox(hDC, view, host::BDR_SUNKENOUTER);
    else if (DrawState == StateDisabled)
        outline(hDC, view, face);
}

void DrawFlatFace(Surface& hDC, const FaceView& view, int DrawState)
{
    const Colorref face = softFaceColor(view, DrawState);
    setBackground(hDC, face);
    if (DrawState == StateHot)
        edgeBox(hDC, view, host::BDR_RAISEDINNER);
    else if (DrawState == StatePressed)
        edgeBox(hDC, view, host::BDR_SUNKENOUTER);
    else
        outline(hDC, view, face);
}

// The frame keeps the system's shadow and window colours also when the control has its own.
void DrawEtchedFace(Surface& hDC, const FaceView& view, int DrawState)
{
    setBackground(hDC, chosen(view, view.BackColor, view.ButtonFace));
    const Colorref fill = etchedFillColor(view, DrawState);
    FillRectColor(hDC, {0, 0, view.W, view.H}, fill);
    DrawEtchedFrame(hDC, 0, 0, view.W - 1, view.H - 1, view.ButtonShadow, view.Window, fill);
}

void DrawTintedFace(Surface& hDC, const FaceView& view, int DrawState)
{
    setBackground(hDC, chosen(view, view.BackColor, view.ButtonFace));
    if (DrawState == StateHot || DrawState == StatePressed) {
        const Colorref accent = chosen(view, view.HighlightColor, view.SystemHighlight);
        FillBox(hDC, 0, 0, view.W, view.H, LightenColor(accent, DrawState == StateHot ? 176 : 128));
        outline(hDC, view, accent);
        return;
    }
    FillBox(hDC, 0, 0, view.W, view.H, LightenColor(chosen(view, view.BackColor, view.ButtonFace), 32));
}

} // namespace cvbutton::render

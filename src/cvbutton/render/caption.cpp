// Drawing the caption: its colour for the state, made readable on faces drawn in fixed light colours, and
// the text itself.
#include "cvbutton/render/caption.h"

#include "cvbutton/render/caption_ground.h"
#include "cvbutton/render/contrast.h"
#include "cvbutton/render/draw_state.h"

namespace cvbutton::render {

Colorref captionColor(const CaptionLook& look)
{
    if (look.DrawState == StateDisabled)
        return look.GrayText;
    if (!look.UseCustomColors)
        return look.ButtonText;
    return look.DrawState == StateNormal ? look.FontColor : look.FontHighlightColor;
}

namespace {

// Several faces are drawn in fixed light colours, made for the stock dark text; a dark desktop's
// light text would vanish on them. Where the system's text colour does not read on the face just
// drawn, the caption takes the stock colour instead. Custom colours are the user's own choice, and a
// disabled caption is meant to be faint, so both stay as they are.
Colorref readableCaptionColor(const host::Surface& surface, host::Rect CaptionRect, const CaptionLook& look)
{
    const Colorref wanted = captionColor(look);
    if (look.UseCustomColors || look.DrawState == StateDisabled)
        return wanted;
    const Colorref ground = GroundBehind(surface, CaptionRect);
    const Colorref stock = platform::SystemColors::windows10().color(platform::COLOR_BTNTEXT);
    const double wantedContrast = ContrastRatio(wanted, ground);
    return wantedContrast >= kTextContrast || wantedContrast >= ContrastRatio(stock, ground) ? wanted : stock;
}

} // namespace

void DrawCaption(host::Surface& surface, const QString& Caption, host::Rect CaptionRect, unsigned CaptionFormat,
                 const CaptionLook& look)
{
    const Colorref remembered = surface.foregroundColor();
    surface.setForegroundColor(readableCaptionColor(surface, CaptionRect, look));
    surface.drawText(Caption, CaptionRect, CaptionFormat);
    surface.setForegroundColor(remembered);
}

} // namespace cvbutton::render

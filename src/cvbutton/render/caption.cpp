#include "cvbutton/render/caption.h"

#include "cvbutton/button_types.h"

namespace cvbutton::render {

Colorref captionColor(const CaptionLook& look)
{
    if (look.DrawState == StateDisabled)
        return look.GrayText;
    if (!look.UseCustomColors)
        return look.ButtonText;
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

// Writing the property set: a value equal to its write default is left out of the set.
#include "cvbutton/cvbutton.h"
#include "cvbutton/stored_values.h"

namespace cvbutton {

using namespace stored;
using platform::SystemColors;

void cvButton::WriteProperties(PropertyBag& PropBag)
{
    const SystemColors colors = SystemColors::current();
    PropertyBag& bag = PropBag;
    writePicture(bag, QStringLiteral("Icon"), Icon_);
    writeInteger(bag, QStringLiteral("Style"), Style_, StyleEtched);
    writeText(bag, QStringLiteral("Caption"), Caption_, QString());
    writeInteger(bag, QStringLiteral("IconSize"), IconSize_, 16);
    writeInteger(bag, QStringLiteral("IconAlign"), IconAlign_, AlignLeft);
    writeInteger(bag, QStringLiteral("CaptionAlign"), CaptionAlign_, AlignCenter);
    writeInteger(bag, QStringLiteral("iNonThemeStyle"), NonThemeStyle_, StyleRoundedGradient);
    writeBool(bag, QStringLiteral("Enabled"), Enabled_, true);
    writeBool(bag, QStringLiteral("ShowFocus"), ShowFocus_, false);
    writeBool(bag, QStringLiteral("USeCustomColors"), UseCustomColors_, false);
    writeColor(bag, QStringLiteral("BackColor"), BackColor_, colors.color(platform::COLOR_BTNFACE));
    writeColor(bag, QStringLiteral("HighlightColor"), HighlightColor_, colors.color(platform::COLOR_HIGHLIGHT));
    writeColor(bag, QStringLiteral("FontColor"), FontColor_, colors.color(platform::COLOR_BTNTEXT));
    writeColor(bag, QStringLiteral("FontHighlightColor"), FontHighlightColor_, colors.color(platform::COLOR_BTNTEXT));
    writeText(bag, QStringLiteral("ToolTipText"), ToolTipText_, host_.extenderToolTipText());
    writeText(bag, QStringLiteral("Tooltiptitle"), ToolTipTitle_);
    writeInteger(bag, QStringLiteral("ToolTipIcon"), ToolTipIcon_);
    writeInteger(bag, QStringLiteral("ToolTipType"), ToolTipType_);
    writeColor(bag, QStringLiteral("ttBackColor"), ToolTipBackColor_, colors.color(platform::COLOR_INFOTEXT));
    writeColor(bag, QStringLiteral("ttForeColor"), ToolTipForeColor_, colors.color(platform::COLOR_INFOBK));
    writeFont(bag, QStringLiteral("Font"), host_.surface().font());
    writeInteger(bag, QStringLiteral("ButtonType"), ButtonType_, KindPush);
    writeBool(bag, QStringLiteral("Value"), Value_, false);
    writeColor(bag, QStringLiteral("MaskColor"), MaskColor_, 0xC0C0C0);
    writeBool(bag, QStringLiteral("UseMaskColor"), UseMaskColor_, false);
    writeInteger(bag, QStringLiteral("MousePointer"), host_.mousePointer(), 0);
    writeBool(bag, QStringLiteral("RoundedBordersByTheme"), RoundedBordersByTheme_, true);
    writeInteger(bag, QStringLiteral("bRTLText"), RightToLeft_, 0);
}

} // namespace cvbutton

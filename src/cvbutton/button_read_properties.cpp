// Reading a stored property set: members are assigned directly, no setter runs and the host is
// told nothing. Keys absent from the set take the read defaults, four of which differ from a new
// control's first values (Style, NonThemeStyle, RoundedBordersByTheme, MaskColor).
#include "cvbutton/cvbutton.h"
#include "cvbutton/stored_values.h"

namespace cvbutton {

using namespace stored;
using platform::SystemColors;

void cvButton::ReadProperties(const PropertyBag& PropBag)
{
    runtime_.DrawState = StateNormal;
    readAppearance(PropBag);
    readColorsAndTooltip(PropBag);
    readBehaviour(PropBag);
    if (host_.UserMode())
        setupMouseTracking();
    UserControl_Resize();
}

void cvButton::readAppearance(const PropertyBag& bag)
{
    Icon_ = readPicture(bag, QStringLiteral("Icon"));
    Style_ = readInt32(bag, QStringLiteral("Style"), StyleEtched);
    Caption_ = readText(bag, QStringLiteral("Caption"), QStringLiteral("cvButton"));
    IconSize_ = readInt16(bag, QStringLiteral("IconSize"), 16);
    CaptionAlign_ = readInt32(bag, QStringLiteral("CaptionAlign"), AlignCenter);
    IconAlign_ = readInt32(bag, QStringLiteral("IconAlign"), AlignLeft);
    NonThemeStyle_ = readInt32(bag, QStringLiteral("iNonThemeStyle"), StyleRoundedGradient);
    Enabled_ = readBool(bag, QStringLiteral("Enabled"), true);
    // A button drawn disabled must not take Space or clicks either.
    host_.setEnabled(Enabled_);
    ShowFocus_ = readBool(bag, QStringLiteral("ShowFocus"), false);
}

// The tooltip text is read twice: first into the host's own copy, then into the control's.
void cvButton::readColorsAndTooltip(const PropertyBag& bag)
{
    const SystemColors colors = SystemColors::current();
    UseCustomColors_ = readBool(bag, QStringLiteral("USeCustomColors"), false);
    BackColor_ = readColor(bag, QStringLiteral("BackColor"), colors.color(platform::COLOR_BTNFACE));
    HighlightColor_ = readColor(bag, QStringLiteral("HighlightColor"), colors.color(platform::COLOR_HIGHLIGHT));
    FontColor_ = readColor(bag, QStringLiteral("FontColor"), colors.color(platform::COLOR_BTNTEXT));
    FontHighlightColor_ = readColor(bag, QStringLiteral("FontHighlightColor"), colors.color(platform::COLOR_BTNTEXT));
    host_.setExtenderToolTipText(readText(bag, QStringLiteral("ToolTipText"), ToolTipText_));
    ToolTipText_ = readText(bag, QStringLiteral("ToolTipText"), QString());
    ToolTipTitle_ = readText(bag, QStringLiteral("Tooltiptitle"), QString());
    ToolTipIcon_ = readInt32(bag, QStringLiteral("ToolTipIcon"), 0);
    ToolTipType_ = readInt32(bag, QStringLiteral("ToolTipType"), TipBalloon);
    ToolTipBackColor_ = readColor(bag, QStringLiteral("ttBackColor"), colors.color(platform::COLOR_INFOTEXT));
    ToolTipForeColor_ = readColor(bag, QStringLiteral("ttForeColor"), colors.color(platform::COLOR_INFOBK));
}

void cvButton::readBehaviour(const PropertyBag& bag)
{
    host_.surface().setFont(readFont(bag, QStringLiteral("Font"), host_.surface().font()));
    ButtonType_ = readInt32(bag, QStringLiteral("ButtonType"), KindPush);
    Value_ = readBool(bag, QStringLiteral("Value"), false);
    UseMaskColor_ = readBool(bag, QStringLiteral("UseMaskColor"), false);
    MaskColor_ = readColor(bag, QStringLiteral("MaskColor"), 0xC0C0C0);
    host_.setMousePointer(readInt16(bag, QStringLiteral("MousePointer"), 0));
    RoundedBordersByTheme_ = readBool(bag, QStringLiteral("RoundedBordersByTheme"), true);
    RightToLeft_ = readInt32(bag, QStringLiteral("bRTLText"), 0);
}

} // namespace cvbutton

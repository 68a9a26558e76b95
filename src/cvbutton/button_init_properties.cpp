// A newly placed control: its first values, before anything was stored for it.
#include "cvbutton/about_panel.h"
#include "cvbutton/cvbutton.h"
#include "cvbutton/render/colors.h"

namespace cvbutton {
namespace {

constexpr Colorref kOleButtonFace = 0x8000000F;
constexpr Colorref kOleHighlight = 0x8000000D;
constexpr Colorref kOleButtonText = 0x80000012;

} // namespace

void cvButton::InitProperties()
{
    Style_ = StyleStandard;
    Caption_ = host_.extenderName();
    IconSize_ = 16;
    Icon_ = IconPicture();
    runtime_.CaptionFormat = host::DT_CENTER | host::DT_WORDBREAK;
    Enabled_ = true;
    ShowFocus_ = false;
    UseCustomColors_ = false;
    const platform::SystemColors colors = platform::SystemColors::current();
    BackColor_ = render::TranslateColor(colors, kOleButtonFace);
    HighlightColor_ = render::TranslateColor(colors, kOleHighlight);
    FontColor_ = render::TranslateColor(colors, kOleButtonText);
    FontHighlightColor_ = render::TranslateColor(colors, kOleButtonText);
    ToolTipType_ = TipBalloon;
    CaptionAlign_ = AlignCenter;
    IconAlign_ = AlignLeft;
    runtime_.ContentMargin = 4;
    if (aboutPanel_ != nullptr)
        aboutPanel_->keepWindowStyle();
}

} // namespace cvbutton

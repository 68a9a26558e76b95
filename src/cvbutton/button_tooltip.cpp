// The control's own tooltip window, which exists while the pointer is over the control. While it
// exists the host's tooltip text for the control is held here, so only one tooltip ever shows.
#include "cvbutton/cvbutton.h"
#include "cvbutton/render/colors.h"

#include <cmath>

namespace cvbutton {

// The host's text is taken only once per hover: a second build while the first one's text is
// still held here would otherwise take the emptied host text and lose the real one.
void cvButton::CreateToolTip()
{
    if (!toolTipTextTaken_)
        ToolTipText_ = host_.extenderToolTipText();
    host_.setExtenderToolTipText(QString());
    toolTipTextTaken_ = true;
    unsigned style = host::TTS_ALWAYSTIP | host::TTS_NOPREFIX;
    if (ToolTipType_ == TipBalloon)
        style |= host::TTS_BALLOON;
    std::unique_ptr<host::ToolTipWindow> window = host_.createToolTipWindow(style);
    if (window == nullptr)
        return;
    toolTipWindow_ = std::move(window);
    toolRecord_ = {};
    toolRecord_.hwnd = host_.window();
    toolRecord_.rect = {0, 0, static_cast<int>(std::nearbyint(host_.scaleWidth())),
                        static_cast<int>(std::nearbyint(host_.scaleHeight()))};
    toolRecord_.lpszText = ToolTipText_;
    if (!toolTipWindow_->addTool(toolRecord_))
        return;
    if (!ToolTipTitle_.isEmpty() || ToolTipIcon_ != 0)
        toolTipWindow_->setTitle(ToolTipIcon_, ToolTipTitle_);
    const platform::SystemColors colors = platform::SystemColors::current();
    if (ToolTipForeColor_ != 0)
        toolTipWindow_->setTipTextColor(render::TranslateColor(colors, ToolTipForeColor_));
    if (ToolTipBackColor_ != 0)
        toolTipWindow_->setTipBkColor(render::TranslateColor(colors, ToolTipBackColor_));
}

void cvButton::handBackToolTipText()
{
    host_.setExtenderToolTipText(ToolTipText_);
    toolTipTextTaken_ = false;
}

void cvButton::RemoveToolTip()
{
    handBackToolTipText();
    if (toolTipWindow_ == nullptr)
        return;
    toolTipWindow_->deleteTool(toolRecord_);
    toolTipWindow_.reset();
}

} // namespace cvbutton

#include "render_button.h"

#include "cvbutton/cvbutton.h"
#include "cvbutton/plain_host.h"

using cvbutton::cvButton;
using platform::SystemColors;

namespace {

// Property changes made before the control is shown only clear the surface, so the one paint is
// the layout at the end.
void applyProperties(cvButton& button, const RenderOptions& options)
{
    button.setStyle(options.style);
    if (options.caption)
        button.setCaption(*options.caption);
    button.setShowFocus(options.showFocus);
    if (options.customColors) {
        button.setUseCustomColors(true);
        button.setBackColor((*options.customColors)[0]);
        button.setHighlightColor((*options.customColors)[1]);
        button.setFontColor((*options.customColors)[2]);
        button.setFontHighlightColor((*options.customColors)[3]);
    }
    if (options.state == cvbutton::StateDisabled)
        button.setEnabled(false);
}

} // namespace

QImage renderButton(const RenderOptions& options)
{
    const platform::PinnedSystemColors pinned(SystemColors::windows10());
    cvbutton::PlainHost host(options.size.width(), options.size.height());
    host.setUserMode(true);
    host.setDisplayAsDefault(options.displayAsDefault);
    host.surface().setBackgroundColor(SystemColors::windows10().color(platform::COLOR_BTNFACE));
    host.surface().clear();

    cvButton button(host);
    button.InitProperties();
    applyProperties(button, options);
    button.setHasFocus(options.focus);
    button.setDrawState(options.state == cvbutton::StateDisabled ? cvbutton::StateNormal : options.state);
    button.setIsShown(true);
    button.UserControl_Resize();
    return host.surface().image().copy();
}

// Drawing the desktop theme's push-button part over the control, and taking its outline as the window's
// shape.
#include "cvbutton/render/theme_part.h"

#include <memory>

namespace cvbutton::render {

bool DrawThemePart(host::Theme& theme, const ThemeTarget& target, const QString& ClassList, int PartId, int StateId)
{
    const std::unique_ptr<host::ThemeData> data = theme.open(ClassList);
    if (!data)
        return false;
    const host::Rect& rect = target.ButtonRect;
    if (target.RoundedBordersByTheme) {
        const host::Rect grown{rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1};
        target.setWindowRegion(data->backgroundRegion(PartId, StateId, grown));
    }
    return data->drawBackground(target.hDC, PartId, StateId, rect, rect);
}

} // namespace cvbutton::render

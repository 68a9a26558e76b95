// The theme service the button asks for its themed face and outline, and its two implementations: the
// current Qt style, and none at all.
#pragma once

#include "cvbutton/host/region.h"
#include "cvbutton/host/surface.h"

#include <QString>

#include <memory>

namespace cvbutton::host {

// The drawing data of one theme class, open while it is held.
class ThemeData {
public:
    virtual ~ThemeData() = default;

    // Draws the part in the state into rect on the surface, nothing outside clip; false when the
    // theme could not draw it.
    virtual bool drawBackground(Surface& surface, int partId, int stateId, const Rect& rect, const Rect& clip) = 0;
    // The outline of the part as drawn into rect, in the same coordinates; empty when there is none.
    virtual Region backgroundRegion(int partId, int stateId, const Rect& rect) = 0;
};

// The desktop's visual style: draws standard control parts as the desktop shows them.
class Theme {
public:
    virtual ~Theme() = default;

    // Nothing when no visual style is in use or the style knows no such class.
    virtual std::unique_ptr<ThemeData> open(const QString& classList) = 0;
};

// Push-button parts drawn by the application's current widget style. Only the class "Button" and
// its push-button part (1) are known; the states are 1 normal, 2 hot, 3 pressed, 4 disabled and
// 5 defaulted.
class QtStyleTheme final : public Theme {
public:
    std::unique_ptr<ThemeData> open(const QString& classList) override;
};

// A desktop without visual styles: every control draws its classic face.
class NoVisualStyle final : public Theme {
public:
    std::unique_ptr<ThemeData> open(const QString&) override { return nullptr; }
};

} // namespace cvbutton::host

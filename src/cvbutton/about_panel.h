#pragma once

namespace cvbutton {

// The control's own about box, shown by its About method as a floating, top-most window.
class AboutPanel {
public:
    virtual ~AboutPanel() = default;

    virtual void showFloating() = 0;
};

} // namespace cvbutton

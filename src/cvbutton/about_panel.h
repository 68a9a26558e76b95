// The control's own about box: the panel its About method floats as a top-most window.
#pragma once

namespace cvbutton {

// The control's own about box, shown by its About method as a floating, top-most window.
class AboutPanel {
public:
    virtual ~AboutPanel() = default;

    virtual void showFloating() = 0;
    // A newly placed control keeps the panel's window style of the moment, to which showFloating
    // adds the frame bits; a control read from stored properties never does.
    virtual void keepWindowStyle() {}
};

} // namespace cvbutton

// The states a button face is drawn in, which every face style tells apart.
#pragma once

namespace cvbutton::render {

// The state a face is drawn in; the values equal the theme's push-button state ids.
enum ButtonState : int {
    StateNormal = 1,
    StateHot = 2,
    StatePressed = 3,
    StateDisabled = 4,
    StateDefaulted = 5,
};

} // namespace cvbutton::render

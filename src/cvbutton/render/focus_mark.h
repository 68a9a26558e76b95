#pragma once

#include "cvbutton/render/face_view.h"

namespace cvbutton::render {

// The keyboard focus mark of the rounded gradient face in its fixed colours, whose blue bands mark
// the focus and the default button alike. With ShowFocus the focused button also gets a dotted
// outline inside its frame, so a window with a default button shows where Return goes. Without the
// focus the face stays as it is.
void DrawFocusMark(Surface& hDC, const FaceView& view, int DrawState);

} // namespace cvbutton::render

#include "cvbutton/render/face_renderers.h"

namespace cvbutton::render {

void DrawRoundedGradientFixed(Surface&, const FaceView&, int&)
{
}

} // namespace cvbutton::render

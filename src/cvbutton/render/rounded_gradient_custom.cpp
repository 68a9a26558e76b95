#include "cvbutton/render/face_renderers.h"

namespace cvbutton::render {

void DrawRoundedGradientCustom(Surface&, const FaceView&, int&)
{
}

} // namespace cvbutton::render

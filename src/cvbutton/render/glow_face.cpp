#include "cvbutton/render/face_renderers.h"

namespace cvbutton::render {

void DrawGlowFace(Surface&, const FaceView&, int&)
{
}

} // namespace cvbutton::render

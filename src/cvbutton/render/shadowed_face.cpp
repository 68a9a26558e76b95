#include "cvbutton/render/face_renderers.h"

namespace cvbutton::render {

void DrawShadowedFace(Surface&, const FaceView&, int&)
{
}

} // namespace cvbutton::render

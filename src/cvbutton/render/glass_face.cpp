#include "cvbutton/render/face_renderers.h"

namespace cvbutton::render {

void DrawGlassFace(Surface&, const FaceView&, int&)
{
}

} // namespace cvbutton::render

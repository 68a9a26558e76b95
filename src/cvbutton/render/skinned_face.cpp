#include "cvbutton/render/face_renderers.h"

namespace cvbutton::render {

void DrawSkinnedFace(Surface&, const FaceView&, int)
{
}

} // namespace cvbutton::render

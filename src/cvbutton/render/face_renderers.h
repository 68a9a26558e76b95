// The drawn face styles, one function each.
#pragma once

#include "cvbutton/render/face_view.h"

namespace cvbutton::render {

// The drawn face styles, one file each. Each paints the whole face on the surface before the
// pipeline adds icon and caption; those that take DrawState by reference read it and leave it.
void DrawRoundedGradientFixed(Surface& hDC, const FaceView& view, int& DrawState);
void DrawRoundedGradientCustom(Surface& hDC, const FaceView& view, int& DrawState);
void DrawGlowFace(Surface& hDC, const FaceView& view, int& DrawState);
void DrawShadowedFace(Surface& hDC, const FaceView& view, int& DrawState);
void DrawGlassFace(Surface& hDC, const FaceView& view, int& DrawState);
void DrawSkinnedFace(Surface& hDC, const FaceView& view, int DrawState);

} // namespace cvbutton::render

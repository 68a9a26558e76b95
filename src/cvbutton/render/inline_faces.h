// The standard, soft, flat, etched and tinted faces.
#pragma once

#include "cvbutton/render/face_view.h"

namespace cvbutton::render {

// The five faces the pipeline paints itself. Each fills the whole surface first and then draws its
// outline; with custom colours off they take the system colours the view carries.
void DrawStandardFace(Surface& hDC, const FaceView& view, int DrawState);
void DrawSoftFace(Surface& hDC, const FaceView& view, int DrawState);
void DrawFlatFace(Surface& hDC, const FaceView& view, int DrawState);
void DrawEtchedFace(Surface& hDC, const FaceView& view, int DrawState);
void DrawTintedFace(Surface& hDC, const FaceView& view, int DrawState);

} // namespace cvbutton::render

// What the face tests share: a surface of their own, the stock system colours and a view to draw from.
#pragma once

#include "cvbutton/button_types.h"
#include "cvbutton/render/face_drawing.h"
#include "cvbutton/render/face_renderers.h"

// Faces drawn on a surface of their own, with the stock system colours of the control's platform.
namespace face_test {

using cvbutton::render::Colorref;
using cvbutton::render::FaceView;
using cvbutton::render::fromRrggbb;
using cvbutton::render::Surface;

inline constexpr Colorref kPaper = 0x123456;
inline constexpr Colorref kButtonFace = 0xF0F0F0;
inline constexpr Colorref kSystemHighlight = 0xD77800;

inline FaceView viewOf(int W, int H)
{
    FaceView view;
    view.W = W;
    view.H = H;
    view.ButtonFace = kButtonFace;
    view.SystemHighlight = kSystemHighlight;
    return view;
}

using Renderer = void (*)(Surface&, const FaceView&, int&);

inline Surface draw(Renderer renderer, const FaceView& view, int state)
{
    Surface surface(view.W, view.H);
    surface.setBackgroundColor(kPaper);
    surface.clear();
    renderer(surface, view, state);
    return surface;
}

} // namespace face_test

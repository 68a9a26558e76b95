// The skinned face style: corner tiles and bands from the skin of the state.
#include "cvbutton/render/face_renderers.h"

#include "cvbutton/render/draw_state.h"
#include "cvbutton/render/lines_boxes.h"
#include "cvbutton/render/skin_tables.h"

namespace cvbutton::render {
namespace {

// A disabled button keeps the idle or focused skin: its gray caption and icon tell it apart.
const SkinPalette& paletteFor(int DrawState, bool HasFocus)
{
    switch (DrawState) {
    case StateHot:
    case StateDefaulted:
        return SkinHot;
    case StateNormal:
    case StateDisabled:
        return HasFocus ? SkinHot : SkinIdle;
    default:
        return SkinPressed;
    }
}

void DrawTile(Surface& hDC, std::span<const SkinTilePixel> tile, int originX, int originY)
{
    for (const SkinTilePixel& pixel : tile)
        hDC.setPixel(originX + pixel.dx, originY + pixel.dy, pixel.color);
}

void DrawSkin(Surface& hDC, int W, int H, const SkinPalette& skin)
{
    FillBox(hDC, 18, 11, W - 34, H - 19, skin.centre);
    DrawTile(hDC, skin.topLeft, 0, 0);
    DrawTile(hDC, skin.topRight, W - 17, 0);
    DrawTile(hDC, skin.bottomLeft, 0, H - 12);
    DrawTile(hDC, skin.bottomRight, W - 17, H - 12);
    for (int i = 0; i < 18; ++i)
        DrawLineDC(hDC, i, 11, i, H - 10, skin.left[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 17; ++i)
        DrawLineDC(hDC, W - 17 + i, 11, W - 17 + i, H - 10, skin.right[static_cast<std::size_t>(i)]);
    for (int j = 0; j < 12; ++j)
        DrawLineDC(hDC, 17, j, W - 17, j, skin.top[static_cast<std::size_t>(j)]);
    for (int j = 0; j < 12; ++j)
        DrawLineDC(hDC, 17, H - 11 + j, W - 17, H - 11 + j, skin.bottom[static_cast<std::size_t>(j)]);
}

} // namespace

void DrawSkinnedFace(Surface& hDC, const FaceView& view, int DrawState)
{
    DrawSkin(hDC, view.W, view.H, paletteFor(DrawState, view.HasFocus));
}

} // namespace cvbutton::render

// The numbered choices of the control's properties: face styles, alignments, button kinds and tooltip
// kinds, and the face states it takes from the faces.
#pragma once

#include "cvbutton/render/draw_state.h"

namespace cvbutton {

// Face styles; the numbers are what is stored and compared. Any other value draws no face.
enum ButtonStyle : int {
    StyleStandard = 0,
    StyleSoft = 1,
    StyleFlat = 2,
    StyleEtched = 3,
    StyleTinted = 4,
    StyleRoundedGradient = 5,
    StyleTheme = 6,
    StyleGlow = 7,
    StyleShadowed = 8,
    StyleGlass = 9,
    StyleSkinned = 10,
};

// Placement of the caption and of the icon.
enum ContentAlignment : int {
    AlignCenter = 0,
    AlignLeft = 1,
    AlignRight = 2,
    AlignTop = 3,
    AlignBottom = 4,
};

// The state a face is drawn in belongs to the faces; the control names it as its own.
using render::ButtonState;
using enum render::ButtonState;

// Only KindCheck is tested for; every other value behaves as a push button.
enum ButtonKind : int {
    KindPush = 0,
    KindCheck = 1,
};

// Only TipBalloon is tested for; every other value gives a rectangular tip.
enum ToolTipKind : int {
    TipStandard = 0,
    TipBalloon = 1,
};

} // namespace cvbutton

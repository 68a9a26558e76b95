// The gray a colour becomes in a disabled icon.
#pragma once

#include "platform/system_colors.h"

namespace cvbutton::render {

// The gray a colour becomes in a disabled icon. Sixteen even grays are kept as they are; any other
// colour becomes round(0.33 red + 0.59 green + 0.11 blue) in all three channels, at most 255.
platform::Colorref grayscaleOf(platform::Colorref color);

} // namespace cvbutton::render

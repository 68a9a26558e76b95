// Painting one freshly made control once and returning the picture.
#pragma once

#include "render_options.h"

#include <QImage>

// Paints a freshly made control once, in run mode, on a surface cleared to the button face, with
// the stock system colours, and returns what the surface then shows.
QImage renderButton(const RenderOptions& options);

// The type codes a picture object carries.
#pragma once

#include <cstdint>

namespace picture {

// The type code a picture object carries beside its pixels; the numbers are the ones stored and
// passed around by callers, so they never change.
enum class PictureKind : int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

} // namespace picture

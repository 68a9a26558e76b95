// The fixed words cameras write into every picture's ImageDescription in place of a caption, such as
// "OLYMPUS DIGITAL CAMERA", "SONY DSC" or "Exif_JPEG_PICTURE". One rule covers every maker: the maker's name in
// capitals followed by a generic phrase, a generic phrase alone, or the EXIF format's own name.
#pragma once

#include <string_view>

namespace corvane {

bool isCameraPlaceholder(std::string_view text);

}

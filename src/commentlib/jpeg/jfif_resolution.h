// The resolution a JPEG's JFIF header states, in the terms of an EXIF first directory, for a new EXIF block:
// readers take EXIF before JFIF, so the new block must say what JFIF said. Units 1 (dots per inch) and 2 (per
// centimetre) become ResolutionUnit 2 and 3, and an aspect ratio only (units 0) becomes ResolutionUnit 1 with
// the ratio, as the metadata tools write it. Without a JFIF header (or with a zero density), 72 per inch.
#pragma once

#include "commentlib/fields/exif_description.h"

namespace corvane::jpeg {

exif::Resolution jfifResolution(ByteView file);

}

// PictureFilePattern: the file names the folder list and the Open dialog take for pictures.
#pragma once

#include <QString>

namespace session {

// The file-name patterns of the folder list and of the Open dialog's filter: the toolkit's picture
// types, then HEIF, AVIF and JPEG XL, then the camera RAW types.
inline constexpr char16_t PictureFilePattern[] =
    u"*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.gif;*.bmp;*.tif;*.tiff;*.webp;*.heic;*.heif;*.hif;*.avif;*.jxl;"
    u"*.nef;*.nrw;*.cr2;*.cr3;*.crw;*.arw;*.srf;*.sr2;*.raf;*.orf;*.rw2;*.rwl;*.pef;*.srw;*.dng;*.3fr;*.iiq;"
    u"*.erf;*.mrw;*.x3f;*.dcr;*.kdc;*.mos;*.mef";

// True when the name matches one of the patterns, letter case ignored.
bool matchesPictureFilePattern(const QString& fileName);

} // namespace session

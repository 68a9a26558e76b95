// Camera RAW files, told apart from the pictures the library writes into. A proprietary RAW is never written,
// not one byte: its comment lives in an XMP sidecar beside it (sidecar_file.h). It is told by its content and,
// since no reading of content knows every camera, by its name too.
//
// By content, a file is a proprietary RAW when
//   - it has the signature of a RAW that is no TIFF: Canon CR3 ("ftypcrx "), CRW ("HEAPCCDR"), Fujifilm RAF
//     ("FUJIFILMCCD-RAW"), Minolta MRW ("\0MRM"), Sigma X3F ("FOVb");
//   - it is a TIFF with a maker's own magic number in place of 42: Olympus ORF ("IIRO", "IIRS", "MMOR"),
//     Panasonic RW2/RWL ("IIU\0");
//   - it is a TIFF with a maker's signature between its header and its first directory: Canon CR2
//     ("CR\x02\0"), Canon 1D ("\xBA\xB0\xAC\xBB"), Phase One and Leaf IIQ ("IIII", "MMMM");
//   - or it is a TIFF without DNGVersion (tag 50706) in its first directory, and a directory of its chain or
//     one of their sub-images (tag 330, four levels deep) holds sensor data or a maker's private block: a
//     PhotometricInterpretation of CFA (32803) or LinearRaw (34892); the CFA pattern tags 33421 and 33422; a
//     compression only cameras write (Kodak 262, 32867 and 65000, Sony 32767, packed 32769, Samsung 32770 and
//     32772, Nikon 34713, Pentax 65535); DNGPrivateData (50740, where Sony and Pentax keep their own data);
//     Canon's CR2 tags (50656, 50752) or Sony's raw tags (0x7000, 0x7010, 0x7031, 0x7032,
//     0x7034 to 0x7037).
// A TIFF with DNGVersion in its first directory is a DNG: an open format, captioned in the file like any TIFF.
// By name, a file is a proprietary RAW when its extension is one of the cameras' (NEF NRW CR2 CR3 CRW ARW SR2
// SRF RAF ORF RW2 RWL PEF SRW 3FR IIQ ERF MRW X3F KDC DCR MEF MOS, in any case).
#pragma once

#include "commentlib/bytes.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane::raw {

enum class Kind {
    None,       // no camera RAW by its content
    Dng,        // a DNG: written in place, as a TIFF
    Proprietary // a maker's RAW: never written
};

// From the whole file in memory.
Kind kindOf(ByteView file);
// From an opened file, reading only its directories. CORVANE_OK or a read failure.
int32_t kindOf(SourceFile& file, Kind& kind);

// The extension of a file name (without its dot) and the name without it; no extension when the name has no
// dot but a leading one.
std::string_view extensionOf(std::string_view fileName);
std::string_view stemOf(std::string_view fileName);
bool hasRawExtension(std::string_view fileName);
bool equalIgnoringCase(std::string_view a, std::string_view b);

}

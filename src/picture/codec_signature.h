// Telling the pictures the toolkit has no reader for (HEIF, AVIF, JPEG XL) by their first bytes.
#pragma once

#include <QByteArray>

namespace picture {

enum class CodecKind { None, Heif, JpegXl };

// How many leading bytes codecKindOf needs to see every brand of a usual file-type box.
constexpr int kCodecSignatureBytes = 64;

// The kind of picture the bytes a file starts with announce. HEIF and AVIF files are known by a
// brand of their leading file-type box (major or compatible), JPEG XL by its bare codestream
// marker or its container's signature box. A name's extension plays no part.
CodecKind codecKindOf(const QByteArray& head);

} // namespace picture

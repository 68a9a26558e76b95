/*
 * libcorvane: reads, writes and erases the photo comment embedded in JPEG, PNG, GIF, TIFF (DNG included), WebP,
 * HEIF/HEIC, AVIF, JPEG XL and BMP files. The comment is kept in step with the caption fields other photo programs
 * read: EXIF ImageDescription, XMP dc:description and IPTC Caption-Abstract, where the format has them, and with the
 * picture's XMP sidecar (NAME.EXT.xmp, or a NAME.xmp that names the picture's extension) where it has one. A
 * proprietary camera RAW file (NEF, CR2, CR3, ARW, RAF, ORF, RW2, ...: told by its content and by its name) is never
 * written: its comment is the dc:description (x-default) of its XMP sidecar, which is read, written, created and
 * removed instead. For a RAW DIR/NAME.EXT, DIR/NAME.EXT.xmp counts when it exists, since it names exactly this file;
 * otherwise DIR/NAME.xmp, unless its photoshop:SidecarForExtension records another extension (it is then a
 * sibling's, the JPEG's of a RAW+JPEG pair say, and is never touched). A write goes into the sidecar that counts
 * or creates a new one; only the description's text changes in it. An erase deletes a sidecar only when the
 * library created it and nothing else is left in it.
 *
 * Plain C interface, usable from any language. Texts are NUL-terminated UTF-8. Paths and the comment are
 * passed "by reference": the address of a variable that points to the NUL-terminated text.
 *
 * Every call returns a status: CORVANE_OK (0), a positive notice (the file was written, but a caption field
 * did not take the text: CORVANE_PARTIAL, CORVANE_PARTIAL_XMP, CORVANE_PARTIAL_SIDECAR) or one of the negative
 * codes below. FillString returns the comment's full length in bytes (>= 0) instead of CORVANE_OK, so a caller
 * can tell a truncated read and retry with a bigger buffer. A file is never written unless the whole edit
 * succeeds; a file the library cannot parse is never written at all.
 */
#ifndef CORVANE_H
#define CORVANE_H

#include <stdint.h>

/* CORVANE_VERSION_MAJOR, _MINOR, _PATCH and CORVANE_VERSION_STRING: the version these headers belong to. */
#include "corvane_version.h"

#if defined(_WIN32)
#  if defined(CORVANE_BUILDING_LIBRARY)
#    define CORVANE_API __declspec(dllexport)
#  else
#    define CORVANE_API __declspec(dllimport)
#  endif
#else
#  define CORVANE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum corvane_status {
    CORVANE_OK = 0,
    CORVANE_PARTIAL = 1,          /* written, but a caption field could not take the text (its metadata segment
                                    would outgrow 64 KB, or could not be parsed); the other fields have it */
    CORVANE_PARTIAL_XMP = 2,      /* written, but the XMP packet could not be parsed (malformed, or a property given
                                    twice) and was left as it was, its description with it; the others have it */
    CORVANE_PARTIAL_SIDECAR = 3,  /* the picture was written, but its XMP sidecar could not be kept in step (it
                                    cannot be parsed, or cannot be written) and still holds its old description */
    CORVANE_E_ARGUMENT = -1,      /* a null pointer, a capacity <= 0 or a negative length */
    CORVANE_E_OPEN = -2,          /* the file cannot be opened or read */
    CORVANE_E_UNSUPPORTED = -3,   /* not a JPEG, PNG, GIF, TIFF, WebP, HEIF, AVIF, JPEG XL or BMP file (nor a camera
                                    RAW), or a layout we refuse to edit: two EXIF or two XMP chunks, items or boxes;
                                    a HEIF or AVIF metadata item held in the meta box or in several pieces, offsets
                                    its item table cannot hold, or other boxes that locate bytes a new item would
                                    move; compressed metadata that does not decompress; or caption fields none of
                                    which can take the text (too broken, or held to the lengths a JPEG XL needs to
                                    rebuild the JPEG it came from) */
    CORVANE_E_DAMAGED = -4,       /* the file claims a known format but its structure is broken */
    CORVANE_E_TOO_LARGE = -5,     /* the comment or the file exceeds what the library handles */
    CORVANE_E_ENCODING = -6,      /* the comment is not valid UTF-8 */
    CORVANE_E_WRITE = -7,         /* the new file could not be written; the original is unchanged */
    CORVANE_E_MEMORY = -8,        /* out of memory */
    CORVANE_E_READ_ONLY = -9,     /* the file is not writable for this user */
    CORVANE_E_NOT_FOUND = -10,    /* no such file, or a folder on its path is missing */
    CORVANE_E_PERMISSION = -11,   /* permission denied (to the file or its folder) */
    CORVANE_E_READ_ONLY_FS = -12, /* the file lives on a read-only file system */
    CORVANE_E_NO_SPACE = -13,     /* no space left on the device; the original is unchanged */
    CORVANE_E_NOT_REGULAR = -14,  /* a folder, pipe, device or socket: only regular files are read or written */
    CORVANE_E_LOOP = -15,         /* the path runs into a loop of symbolic links */
    CORVANE_E_CHANGED = -16,      /* another program changed the file while it was read; nothing was written */
    CORVANE_E_REPLACED = -17,     /* the file was moved or replaced during the edit; nothing was written */
    CORVANE_E_OWNER = -18,        /* the file's owner, group or mode bits cannot be kept; the file is unchanged */
    CORVANE_E_SIDECAR = -19       /* a camera RAW's XMP sidecar cannot be parsed, or cannot hold the text (a control
                                    character XML has no room for); the sidecar was left as it was */
};

/*
 * Reads the comment of the file *path into buffer. Writes at most `capacity` bytes: a comment shorter than
 * capacity is written with a terminating NUL; a longer one fills the buffer with its first bytes (cut back to a
 * whole UTF-8 character, with a NUL after the cut when that leaves room) and the full length is still returned.
 * A file without a comment yields an empty text and 0; an unreadable file an empty text and a negative status.
 */
CORVANE_API int32_t FillString(char* buffer, int32_t capacity, char** path);

/* Where corvane_fill_comment found the comment. */
enum corvane_source {
    CORVANE_SOURCE_NONE = 0,    /* the file has no comment */
    CORVANE_SOURCE_COMMENT = 1, /* the format's own comment field: a JPEG COM segment, a PNG "Comment" text, a
                                   GIF comment extension, the BMP trailer */
    CORVANE_SOURCE_CAPTION = 2  /* a caption field other photo programs write: EXIF ImageDescription, XMP
                                   dc:description, IPTC Caption-Abstract, a PNG "Description" text */
};
/*
 * FillString, and *source tells where the comment was found (when source is not null). Older programs stored
 * line breaks in their own comment field as grave accents; a caption field holds real line breaks, and a grave
 * accent there is part of the text.
 */
CORVANE_API int32_t corvane_fill_comment(char* buffer, int32_t capacity, char** path, int32_t* source);
/* Removes every comment of the file *path. A file without one is left untouched. */
CORVANE_API int32_t eraser(char** path);

/*
 * Makes *text the comment of the file *path, replacing any comment it had. The text is read up to its NUL
 * terminator and stored byte for byte. `length` counts the characters of the text: 0 means "no comment", so
 * the file is left without one; a negative length is rejected.
 */
CORVANE_API int32_t DisplayStringByRef(char** text, int32_t length, char** path);

/* A short English description of a status; never null. */
CORVANE_API const char* corvane_strerror(int32_t status);

/*
 * Fills buffer with the path of the file a write of the comment of *path goes into, as FillString fills it
 * (never more than `capacity` bytes, a NUL after the path when there is room) and returns the path's full
 * length in bytes. That is *path itself for a picture captioned in place, and the XMP sidecar of a camera RAW:
 * the one that counts, or the one a write would create (see corvane_set_new_sidecar_name). A sidecar's path
 * is made of the folder *path names and the sidecar's name (the folder of the link's target where *path is a
 * symbolic link). A negative status when the file cannot be opened or is no picture the library edits.
 */
CORVANE_API int32_t corvane_caption_file(char* buffer, int32_t capacity, char** path);

/* How a new sidecar is named for a camera RAW DIR/NAME.EXT that has none. */
enum corvane_sidecar_name {
    CORVANE_SIDECAR_WITH_EXTENSION = 0,   /* NAME.EXT.xmp, the default: it names exactly this file */
    CORVANE_SIDECAR_WITHOUT_EXTENSION = 1 /* NAME.xmp, recording EXT in photoshop:SidecarForExtension (a NAME.xmp
                                             that records another extension is left alone: NAME.EXT.xmp is made) */
};
/*
 * Sets how every later write of this process names a sidecar it creates: one of enum corvane_sidecar_name.
 * Safe to call from any thread. Returns CORVANE_OK, or CORVANE_E_ARGUMENT for another value (nothing changes).
 */
CORVANE_API int32_t corvane_set_new_sidecar_name(int32_t naming);

/* The version of the library that is loaded, as CORVANE_VERSION_STRING was when it was built ("1.0"); never
 * null. A caller compares it with the CORVANE_VERSION_STRING it was compiled with. */
CORVANE_API const char* corvane_version(void);

#ifdef __cplusplus
}
#endif

#endif

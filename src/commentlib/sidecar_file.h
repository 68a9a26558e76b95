// The XMP sidecars beside a picture DIR/NAME.EXT: DIR/NAME.EXT.xmp, which names exactly this file, and
// DIR/NAME.xmp, which a RAW+JPEG pair may share (each spelled .xmp, else .XMP).
//
// A camera RAW's comment lives in its sidecar alone. The one that counts is NAME.EXT.xmp when it exists;
// otherwise NAME.xmp, unless its photoshop:SidecarForExtension records another extension than EXT (compared
// without regard to case): then it is a sibling's and is never touched. A write goes into the sidecar that
// counts; where none does, it creates NAME.EXT.xmp, or NAME.xmp when the process asked for that naming and no
// sibling's NAME.xmp stands there. Writing NAME.xmp records EXT as its SidecarForExtension where it has none.
// An erase removes the description, and deletes the sidecar only when the library created it (it carries our
// mark) and nothing else is left in it.
//
// A picture written in place keeps the sidecar that is its own (NAME.EXT.xmp, or a NAME.xmp recording EXT)
// in step with it; an unclaimed NAME.xmp may be a RAW sibling's and is left alone, and none is ever created.
//
// A sidecar that cannot be parsed is never written. An existing one is replaced as a picture is (a new file
// beside it, flushed, renamed over it); a new one is written whole and flushed before it gets its name, and
// never replaces a file of that name that appeared meanwhile.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::sidecar {

enum class Naming : int32_t { WithExtension = 0, WithoutExtension = 1 };
// How every later write of the process names a sidecar it creates.
void setNaming(Naming naming);
Naming naming();

// What a sidecar is to the picture beside it.
enum class Role {
    Caption,    // a RAW's: its comment
    Overridden, // a RAW's NAME.xmp, not read since NAME.EXT.xmp exists
    Sibling,    // a NAME.xmp recording another extension: another file's
    KeptInStep, // a picture's written in place: kept in step with it
    Unclaimed   // a NAME.xmp beside a picture written in place, recording no extension: left alone
};

struct Sidecar {
    std::string name;         // in the picture's folder
    std::string path;         // spelled as the picture's path spells its folder
    int32_t status = 0;       // CORVANE_OK, or why it cannot be read (CORVANE_E_SIDECAR: cannot be parsed)
    std::string description;  // its dc:description's x-default
    std::string forExtension; // its photoshop:SidecarForExtension
    Role role = Role::Unclaimed;
};

// Every sidecar beside the opened picture, the one that counts first; `raw` when the picture is a camera RAW.
std::vector<Sidecar> sidecarsOf(const SourceFile& picture, bool raw);

// The comment of the camera RAW `picture`: its sidecar's description, or none.
ReadResult readCaption(const SourceFile& picture);

// What a write did to a sidecar.
enum class Change { None, Written, Created, Removed };
struct Outcome {
    std::string path; // the sidecar written, created or removed, or that holds the text already
    Change change = Change::None;
};

// Makes `text` the comment of the camera RAW `picture` (an empty text erases it).
int32_t writeCaption(const SourceFile& picture, std::string_view text, Outcome& outcome);
// Keeps the sidecar of a picture written in place in step with `text`; CORVANE_OK when it has none.
int32_t keepInStep(const SourceFile& picture, std::string_view text, Outcome& outcome);
// The sidecar a write of the camera RAW's comment goes into: the one that counts, or the one it would create.
std::string captionFile(const SourceFile& picture);

}

// What a replacement takes over from the file it replaces: owner, group, mode bits and extended attributes.
#pragma once

#include <sys/stat.h>

#include <cstdint>

namespace corvane {

// CORVANE_E_OWNER when the owner, group or mode bits cannot be kept exactly: handing a user's file to
// whoever edits it, or dropping its set-group-ID bit, would be a silent change nobody asked for.
int32_t copyMetadata(int from, const struct stat& original, int to);

}

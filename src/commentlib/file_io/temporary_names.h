// The names of the temporaries a write stands up beside the file, and the clean-up of the ones a killed writer
// left: only names of our exact form, regular files owned by us, and only when no living writer holds them.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

std::string uniqueTemporaryName(const std::string& fileName);
bool isTemporaryNameFor(std::string_view candidate, const std::string& fileName);
// Never opens anything but a regular file and never waits. An empty file name stands for every file of the
// folder, so a batch scans each folder once instead of once per file.
void removeStaleTemporaries(int folder, const std::string& fileName);

// The pair of helpers an overwrite in place stands up beside the file it overwrites (the file's inode in the
// name, so they are never taken for another file's): a copy of the old contents and the new contents.
enum class OverwriteHelper { OldContents, NewContents };
std::string overwriteHelperName(const std::string& fileName, uint64_t inode, OverwriteHelper helper);
// A helper we may act on: a regular file of its own (one link), owned by us.
bool isOwnHelper(const struct stat& helper);

// Gives `file` the name `name` in `folder`: links it there while it has no name (`currentName` empty, a file
// opened with O_TMPFILE), renames it otherwise. `currentName` is then `name`.
int32_t giveName(int folder, int file, std::string& currentName, const std::string& name);

}

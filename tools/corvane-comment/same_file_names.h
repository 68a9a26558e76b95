// Names on one command line that lead to the same file: the same name written twice, spelled differently
// (`x.jpg`, `./x.jpg`), reached through symbolic links, or another hard link to it. Such a file is written
// once, under its first name.
#pragma once

#include <string>
#include <vector>

struct SameFileGroups {
    std::vector<std::string> files;           // one name per file, the first one given
    std::vector<std::vector<size_t>> namesOf; // per file, the indices of every name leading to it, first first
};

// A name that cannot be resolved (a missing file, say) stands for a file of its own.
SameFileGroups groupSameFiles(const std::vector<std::string>& names);

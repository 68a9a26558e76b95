// The names of the temporaries a write stands up beside the file, and the clean-up of the ones a killed writer
// left: only names of our exact form, regular files owned by us, and only when no living writer holds them.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

std::string uniqueTemporaryName(const std::string& fileName);
bool isTemporaryNameFor(std::string_view candidate, const std::string& fileName);
// Never opens anything but a regular file and never waits. An empty file name stands for every file of the
// folder, so a batch scans each folder once instead of once per file.
void removeStaleTemporaries(int folder, const std::string& fileName);

}

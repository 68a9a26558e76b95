// The commands of corvane-comment. Each handles every file even after a failure, reports failures on
// standard error naming the file and the reason, and returns the exit status.
#pragma once

#include <string>
#include <vector>

int getComments(const std::vector<std::string>& files);
// Each file's caption fields that hold text, under a heading naming the file; a camera RAW's are its sidecars'
// descriptions, each naming its sidecar and whether it counts.
int showCaptions(const std::vector<std::string>& files);
// An empty text erases. A camera RAW's line on standard error names the sidecar its comment went into.
int setComments(const std::string& text, const std::vector<std::string>& files);

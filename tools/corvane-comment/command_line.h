// What the user asked corvane-comment to do, parsed from its arguments.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class Command { Help, Version, Get, Show, Set, Erase };

// How a new sidecar of a camera RAW is named (--new-sidecar-name); the library's default when not given.
enum class NewSidecarName { Default, WithExtension, WithoutExtension };

struct Invocation {
    Command command = Command::Help;
    NewSidecarName newSidecarName = NewSidecarName::Default;
    std::optional<std::string> text; // for set; absent means "read it from standard input"
    std::vector<std::string> files;
    std::string error; // non-empty when the arguments make no sense
};

Invocation parseCommandLine(const std::vector<std::string>& arguments);
const char* usageText();

#include "same_file_names.h"

#include <cstdlib>
#include <map>
#include <memory>

namespace {

// The name with every symbolic link, `.` and `..` resolved; empty when it cannot be.
std::string resolved(const std::string& name)
{
    const std::unique_ptr<char, decltype(&std::free)> path(realpath(name.c_str(), nullptr), &std::free);
    return path ? std::string(path.get()) : std::string();
}

}

SameFileGroups groupSameFiles(const std::vector<std::string>& names)
{
    SameFileGroups groups;
    std::map<std::string, size_t> fileOf;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string path = resolved(names[i]);
        const auto [place, isNew] = fileOf.emplace(path.empty() ? "\n" + std::to_string(i) : path, groups.files.size());
        if (isNew) {
            groups.files.push_back(names[i]);
            groups.namesOf.emplace_back();
        }
        groups.namesOf[place->second].push_back(i);
    }
    return groups;
}

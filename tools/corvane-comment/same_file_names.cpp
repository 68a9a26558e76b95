// Finding names on the command line that lead to the same file.
#include "same_file_names.h"

#include <sys/stat.h>

#include <map>

namespace {

// The file a name leads to, symbolic links followed; empty when it cannot be told.
std::string fileIdentity(const std::string& name)
{
    struct stat status {};
    if (stat(name.c_str(), &status) != 0)
        return {};
    return std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
}

}

SameFileGroups groupSameFiles(const std::vector<std::string>& names)
{
    SameFileGroups groups;
    std::map<std::string, size_t> fileOf;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string identity = fileIdentity(names[i]);
        const auto [place, isNew] =
            fileOf.emplace(identity.empty() ? "\n" + std::to_string(i) : identity, groups.files.size());
        if (isNew) {
            groups.files.push_back(names[i]);
            groups.namesOf.emplace_back();
        }
        groups.namesOf[place->second].push_back(i);
    }
    return groups;
}

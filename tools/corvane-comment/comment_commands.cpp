#include "comment_commands.h"

#include "corvane.h"

#include <iostream>

namespace {

int report(const std::string& file, int32_t status)
{
    if (status >= 0)
        return 0;
    std::cerr << "corvane-comment: " << file << ": " << corvane_strerror(status) << '\n';
    return 1;
}

// Asks once with a generous buffer and again with the exact size when the comment is longer.
int32_t readComment(const std::string& file, std::string& comment)
{
    char* path = const_cast<char*>(file.c_str());
    comment.assign(64 * 1024, '\0');
    int32_t length = FillString(comment.data(), int32_t(comment.size()), &path);
    if (length > int32_t(comment.size())) {
        comment.assign(size_t(length), '\0');
        length = FillString(comment.data(), length, &path);
    }
    comment.resize(length > 0 ? size_t(length) : 0);
    return length;
}

// The library's length argument counts characters, not bytes.
int32_t characterCount(const std::string& text)
{
    int32_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}

int getComments(const std::vector<std::string>& files)
{
    int failed = 0;
    for (const std::string& file : files) {
        std::string comment;
        const int32_t status = readComment(file, comment);
        if (report(file, status) != 0) {
            failed = 1;
            continue;
        }
        if (files.size() > 1)
            std::cout << "==> " << file << " <==\n";
        std::cout << comment << '\n';
    }
    return failed;
}

int setComments(const std::string& text, const std::vector<std::string>& files)
{
    int failed = 0;
    for (const std::string& file : files) {
        char* path = const_cast<char*>(file.c_str());
        char* comment = const_cast<char*>(text.c_str());
        failed |= report(file, DisplayStringByRef(&comment, characterCount(text), &path));
    }
    return failed;
}

int eraseComments(const std::vector<std::string>& files)
{
    int failed = 0;
    for (const std::string& file : files) {
        char* path = const_cast<char*>(file.c_str());
        failed |= report(file, eraser(&path));
    }
    return failed;
}

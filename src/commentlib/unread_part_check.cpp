// Streams the unread part, up to the end of the file, through its check, stopping once the check has settled.
#include "commentlib/unread_part_check.h"

#include "commentlib/corvane.h"

namespace corvane {

int32_t checkUnreadPart(const SourceFile& file, const UnreadPart& part)
{
    const std::unique_ptr<StreamCheck> check = part.check();
    const int32_t status = file.stream(part.from, file.size() - part.from, [&](ByteView chunk) {
        check->feed(chunk);
        return !check->settled();
    });
    return status == CORVANE_OK ? check->answer() : status;
}

}

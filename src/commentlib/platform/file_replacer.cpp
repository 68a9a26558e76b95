#include "platform/file_replacer.h"

#include "corvane.h"

namespace corvane {

int32_t commitReplacement(const SourceFile& source, PendingReplacement& replacement)
{
    int32_t status = replacement.makeDurable();
    if (status == CORVANE_OK)
        status = replacement.commit(source);
    return status == CORVANE_OK ? syncFolder(source.folder()) : status;
}

}

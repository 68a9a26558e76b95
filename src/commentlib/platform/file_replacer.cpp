#include "platform/file_replacer.h"

#include "corvane.h"
#include "platform/pending_replacement.h"

namespace corvane {

int32_t replaceFile(const SourceFile& source, const EditPlan& plan)
{
    PendingReplacement replacement;
    int32_t status = replacement.prepare(source, plan);
    if (status == CORVANE_OK)
        status = replacement.makeDurable();
    if (status == CORVANE_OK)
        status = replacement.commit(source);
    return status == CORVANE_OK ? syncFolder(source.folder()) : status;
}

}

// Loads the whole file before a container's parse; a file that cannot be loaded answers with its status instead.
#include "commentlib/whole_file.h"

namespace corvane {

ReadResult readWhole(SourceFile& file, ReadResult (*read)(ByteView))
{
    const int32_t status = file.loadWhole();
    return status == CORVANE_OK ? read(file.bytes()) : readFailure(status);
}

PlanResult planWhole(SourceFile& file, std::string_view text, PlanResult (*plan)(ByteView, std::string_view))
{
    const int32_t status = file.loadWhole();
    return status == CORVANE_OK ? plan(file.bytes(), text) : planFailure(status);
}

}

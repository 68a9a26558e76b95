// For the containers whose comment can sit anywhere in the file: the whole file is read, then the container's
// own parse reads or plans from its bytes.
#pragma once

#include "commentlib/editor_result.h"
#include "commentlib/file_io/source_file.h"

#include <string_view>

namespace corvane {

ReadResult readWhole(SourceFile& file, ReadResult (*read)(ByteView));
PlanResult planWhole(SourceFile& file, std::string_view text, PlanResult (*plan)(ByteView, std::string_view));

}

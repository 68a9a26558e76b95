// Feeds arbitrary bytes to the PNG parse, edit and read path; corpus/png/ holds the seeds.
#include "commentlib/png/png_editor.h"
#include "round_trip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkInput({corvane::png::readComment, corvane::png::planComment}, data, size);
}

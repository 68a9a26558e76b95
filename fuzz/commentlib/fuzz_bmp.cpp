// Feeds arbitrary bytes to the BMP parse, edit and read path; corpus/bmp/ holds the seeds.
#include "commentlib/bmp/bmp_editor.h"
#include "round_trip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkInput({corvane::bmp::readComment, corvane::bmp::planComment}, data, size);
}

// Feeds arbitrary bytes to the JPEG parse, edit and read path; corpus/jpeg/ holds the seeds.
#include "commentlib/jpeg/jpeg_editor.h"
#include "round_trip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkInput({corvane::jpeg::readComment, corvane::jpeg::planComment}, data, size);
}

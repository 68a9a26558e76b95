// Feeds arbitrary bytes to the BMP parse, edit and read path; corpus/bmp/ holds the seeds.
#include "round_trip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkInput(corvane::Container::Bmp, data, size);
}

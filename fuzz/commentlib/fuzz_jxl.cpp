// Feeds arbitrary bytes to the JPEG XL parse, edit and read path; corpus/jxl/ holds the seeds.
#include "round_trip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkInput(corvane::Container::Jxl, data, size);
}

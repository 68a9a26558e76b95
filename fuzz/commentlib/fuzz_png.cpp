// Feeds arbitrary bytes to the PNG parse, edit and read path; corpus/png/ holds the seeds.
#include "round_trip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkInput(corvane::Container::Png, data, size);
}

// Feeds arbitrary bytes to the HEIF and AVIF parse, edit and read path; corpus/heif/ holds the seeds.
#include "round_trip_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkInput(corvane::Container::Heif, data, size);
}

// Feeds arbitrary HEIF and AVIF files to get, show, set and erase as the C exports run them, over a file on disk;
// corpus/heif/ holds the seeds.
#include "file_edit_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return corvane::fuzzing::checkFileInput(corvane::Container::Heif, data, size);
}

#include "corvane.h"

extern "C" const char* corvane_strerror(int32_t status)
{
    if (status >= 0)
        return "success";
    switch (status) {
    case CORVANE_E_ARGUMENT: return "invalid argument";
    case CORVANE_E_OPEN: return "cannot open or read the file";
    case CORVANE_E_UNSUPPORTED: return "not a supported picture file, or a layout that cannot be edited safely";
    case CORVANE_E_DAMAGED: return "the picture file is damaged";
    case CORVANE_E_TOO_LARGE: return "the comment or the file is too large";
    case CORVANE_E_ENCODING: return "the comment is not valid UTF-8";
    case CORVANE_E_WRITE: return "cannot write the new file; the original is unchanged";
    case CORVANE_E_MEMORY: return "out of memory";
    case CORVANE_E_READ_ONLY: return "the file is read-only";
    default: return "unknown error";
    }
}

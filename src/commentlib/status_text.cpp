// The text corvane_strerror gives for each status: the three partial writes say what was left behind, any other status
// at or above zero reads as success, and an unknown negative one as an unknown error.
#include "commentlib/corvane.h"

extern "C" const char* corvane_strerror(int32_t status)
{
    if (status == CORVANE_PARTIAL)
        return "written, but one caption field could not hold the text (see corvane-comment show)";
    if (status == CORVANE_PARTIAL_XMP)
        return "written, but the XMP packet could not be parsed (malformed XML, or a property given twice), so it "
               "was left as it was, its dc:description unchanged";
    if (status == CORVANE_PARTIAL_SIDECAR)
        return "the picture was written, but its XMP sidecar could not be kept in step (it cannot be parsed or "
               "written) and still holds its old description";
    if (status >= 0)
        return "success";
    switch (status) {
    case CORVANE_E_ARGUMENT:
        return "invalid argument";
    case CORVANE_E_OPEN:
        return "cannot open or read the file";
    case CORVANE_E_UNSUPPORTED:
        return "not a supported picture file, or a layout that cannot be edited safely";
    case CORVANE_E_DAMAGED:
        return "the picture file is damaged";
    case CORVANE_E_TOO_LARGE:
        return "the comment or the file is too large";
    case CORVANE_E_ENCODING:
        return "the comment is not valid UTF-8";
    case CORVANE_E_WRITE:
        return "cannot write the new file; the original is unchanged";
    case CORVANE_E_MEMORY:
        return "out of memory";
    case CORVANE_E_READ_ONLY:
        return "the file is read-only";
    case CORVANE_E_NOT_FOUND:
        return "no such file";
    case CORVANE_E_PERMISSION:
        return "permission denied";
    case CORVANE_E_READ_ONLY_FS:
        return "read-only file system";
    case CORVANE_E_NO_SPACE:
        return "no space left on the device; the original is unchanged";
    case CORVANE_E_NOT_REGULAR:
        return "not a regular file";
    case CORVANE_E_LOOP:
        return "symbolic link loop";
    case CORVANE_E_CHANGED:
        return "the file changed while it was being read; nothing was written";
    case CORVANE_E_REPLACED:
        return "the file was moved or replaced during the edit; nothing was written";
    case CORVANE_E_OWNER:
        return "the file's owner, group or mode bits cannot be kept; the file is unchanged";
    case CORVANE_E_SIDECAR:
        return "the camera RAW's XMP sidecar cannot be parsed, or cannot hold this text; it was left as it was";
    default:
        return "unknown error";
    }
}

// The library's statuses for the causes a user can act on; anything else keeps the caller's general status.
#pragma once

#include <cstdint>

namespace corvane {

int32_t statusFromErrno(int error, int32_t otherwise);

}

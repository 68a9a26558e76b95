// The user's choice of name for the XMP sidecars new captions of camera RAW files go into, kept in the
// editor's settings file ($XDG_CONFIG_HOME/corvane/corvane.conf, [Sidecars] NewSidecarName).
#pragma once

#include "platform/comment_library.h"

namespace platform {

// NAME.xmp when the setting says "NAME.xmp"; NAME.EXT.xmp otherwise, and when nothing is set.
NewSidecarName newSidecarNameSetting();

} // namespace platform

// What the About window says and where its links lead.
#pragma once

#include <QString>

namespace dialogs::about {

inline constexpr char kWebSiteText[] = "www.corvane.org";
inline constexpr char kWebSiteAddress[] = "https://www.corvane.org/";
inline constexpr char kShortNewsAddress[] = "https://www.corvane.org/news";
inline constexpr char kCommunityAddress[] = "https://www.corvane.org/community";
inline constexpr char kContactAddress[] = "feedback@corvane.org";
inline constexpr char kNotice[] = "Comments written by Corvane stay in your picture files.";

// The help text of the window, every line ended by CR LF.
QString helpText();

} // namespace dialogs::about

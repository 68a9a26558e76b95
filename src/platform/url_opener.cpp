// Handing a web address to the desktop's default handler through Qt.
#include "platform/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool DesktopUrlOpener::open(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace platform

// Working out which display this start shows its windows on, as a short name fit for a socket's path.
#include "platform/display_identity.h"

#include <QCryptographicHash>
#include <QStringList>

namespace platform {

namespace {

// Longer identities are replaced by a digest: the socket's whole path must fit in 108 bytes.
constexpr qsizetype kLongestReadable = 40;

// "host:number.screen" without the screen, the local host written as nothing.
QString normalisedX11(const QString& display)
{
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon < 0)
        return display;
    QString host = display.left(colon);
    if (host == QStringLiteral("unix"))
        host.clear();
    QString number = display.mid(colon + 1);
    const qsizetype dot = number.indexOf(u'.');
    if (dot >= 0)
        number.truncate(dot);
    return host + u':' + number;
}

// Every byte but letters, digits and '.' as '_' and its hex digits, so '_' only ever starts an escape
// and '-' only ever parts the pieces: different displays never meet in one name.
QString fileNameSafe(const QString& text)
{
    const QByteArray encoded = text.toUtf8().toPercentEncoding(".", "-_~");
    return QString::fromLatin1(encoded).replace(u'%', u'_');
}

QString shortened(const QString& identity)
{
    if (identity.size() <= kLongestReadable)
        return identity;
    const QByteArray digest = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("h") + QString::fromLatin1(digest.left(32));
}

} // namespace

QString displayIdentity(const QString& x11Display, const QString& waylandDisplay)
{
    QStringList parts;
    if (!x11Display.isEmpty())
        parts.append(QStringLiteral("x11-") + fileNameSafe(normalisedX11(x11Display)));
    if (!waylandDisplay.isEmpty())
        parts.append(QStringLiteral("wayland-") + fileNameSafe(waylandDisplay));
    return shortened(parts.join(u'-'));
}

QString currentDisplayIdentity()
{
    return displayIdentity(qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"));
}

} // namespace platform

#include "platform/instance_message.h"

namespace platform::instance_message {

namespace {

constexpr char kActivate[] = "activate";

} // namespace

QByteArray encode(const QString& path)
{
    QByteArray line = kActivate;
    if (!path.isEmpty())
        line += ' ' + path.toUtf8().toPercentEncoding();
    return line + '\n';
}

std::optional<QString> decode(const QByteArray& line)
{
    if (!line.endsWith('\n'))
        return std::nullopt;
    const QByteArray request = line.chopped(1);
    if (request == kActivate)
        return QString();
    const QByteArray prefix = QByteArray(kActivate) + ' ';
    if (!request.startsWith(prefix) || request.size() == prefix.size())
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(request.mid(prefix.size())));
}

} // namespace platform::instance_message

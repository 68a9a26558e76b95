// Writing and reading the one line a later start sends the running instance: the picture to open and the
// desktop's activation token.
#include "platform/instance_message.h"

#include <QList>

namespace platform::instance_message {

namespace {

constexpr char kActivate[] = "activate";
constexpr char kActivateWithToken[] = "activate-token";

QByteArray encoded(const QString& text)
{
    return text.toUtf8().toPercentEncoding();
}

QString decoded(const QByteArray& word)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(word));
}

std::optional<Request> plainRequest(const QList<QByteArray>& words)
{
    if (words.size() == 1)
        return Request{};
    if (words.size() == 2 && !words[1].isEmpty())
        return Request{decoded(words[1]), QString()};
    return std::nullopt;
}

std::optional<Request> requestWithToken(const QList<QByteArray>& words)
{
    if (words.size() < 2 || words.size() > 3 || words[1].isEmpty())
        return std::nullopt;
    if (QByteArray::fromPercentEncoding(words[1]).size() > kMaxTokenBytes)
        return std::nullopt;
    if (words.size() == 3 && words[2].isEmpty())
        return std::nullopt;
    return Request{words.size() == 3 ? decoded(words[2]) : QString(), decoded(words[1])};
}

} // namespace

QByteArray encode(const Request& request)
{
    const QByteArray token = encoded(request.activationToken);
    const bool withToken = !token.isEmpty() && request.activationToken.toUtf8().size() <= kMaxTokenBytes;
    QByteArray line = withToken ? QByteArray(kActivateWithToken) + ' ' + token : QByteArray(kActivate);
    if (!request.path.isEmpty())
        line += ' ' + encoded(request.path);
    return line + '\n';
}

std::optional<Request> decode(const QByteArray& line)
{
    if (!line.endsWith('\n'))
        return std::nullopt;
    const QList<QByteArray> words = line.chopped(1).split(' ');
    if (words[0] == kActivate)
        return plainRequest(words);
    if (words[0] == kActivateWithToken)
        return requestWithToken(words);
    return std::nullopt;
}

} // namespace platform::instance_message

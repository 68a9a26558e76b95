#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The one line a second start sends to the running instance: the word "activate", then the picture
// to open, percent-encoded so that spaces, line breaks and any other character cross unchanged.
namespace platform::instance_message {

QByteArray encode(const QString& path);
// The path of a request line (empty when there is nothing to open); nothing for a line that is not
// a request.
std::optional<QString> decode(const QByteArray& line);

} // namespace platform::instance_message

// The message a later start hands the running instance, and how it is written on one line and read back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// The one line a second start sends to the running instance: the word "activate", then the picture
// to open; or, when the desktop gave the start an activation token, the word "activate-token", the
// token, then the picture. Token and picture are percent-encoded, so that spaces, line breaks and any
// other character cross unchanged. A running instance of an earlier version knows only the first form.
namespace platform::instance_message {

// The longest path and the longest activation token a request carries, in bytes.
inline constexpr qint64 kMaxPathBytes = 4096;
inline constexpr qint64 kMaxTokenBytes = 512;
// The longest line: the words, the spaces, token and path percent-encoded, the line end.
inline constexpr qint64 kMaxLineBytes = 32 + 3 * (kMaxTokenBytes + kMaxPathBytes);

struct Request {
    QString path;            // empty when there is nothing to open
    QString activationToken; // empty when the start had none

    bool operator==(const Request&) const = default;
};

// A token longer than a request may carry is left out: the window then comes forward as the desktop
// allows without one.
QByteArray encode(const Request& request);
// Nothing for a line that is not a request.
std::optional<Request> decode(const QByteArray& line);

} // namespace platform::instance_message

// The service that hands a web address to the desktop's default handler.
#pragma once

#include <QString>

namespace platform {

// Hands an address to the desktop's default handler for it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // False when no handler took the address.
    virtual bool open(const QString& url) = 0;
};

// The desktop's own handlers (browser, mail program).
class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QString& url) override;
};

} // namespace platform

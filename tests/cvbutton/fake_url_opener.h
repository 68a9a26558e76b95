// A stand-in for the desktop's address handler, for the about panel's link.
#pragma once

#include "platform/url_opener.h"

#include <QStringList>

namespace cvbutton::testing {

// Records the addresses handed over and answers as the test set it up.
class FakeUrlOpener final : public platform::UrlOpener {
public:
    bool open(const QString& url) override
    {
        opened << url;
        return answer;
    }

    QStringList opened;
    bool answer = true;
};

} // namespace cvbutton::testing

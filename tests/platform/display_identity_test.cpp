#include "platform/display_identity.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using platform::displayIdentity;

TEST(DisplayIdentity, SpellingsOfOneDisplayMeetAndOtherDisplaysDoNot)
{
    EXPECT_EQ(displayIdentity(QStringLiteral(":0.0"), {}), displayIdentity(QStringLiteral(":0"), {}));
    EXPECT_EQ(displayIdentity(QStringLiteral("unix:0.1"), {}), displayIdentity(QStringLiteral(":0"), {}));
    EXPECT_EQ(displayIdentity(QStringLiteral("localhost:10.0"), {}), displayIdentity(QStringLiteral("localhost:10"), {}));

    const QStringList others = {displayIdentity(QStringLiteral(":0"), {}),
                                displayIdentity(QStringLiteral(":1"), {}),
                                displayIdentity(QStringLiteral(":10"), {}),
                                displayIdentity(QStringLiteral("localhost:10"), {}),
                                displayIdentity({}, QStringLiteral("wayland-0")),
                                displayIdentity({}, QStringLiteral("wayland-1")),
                                displayIdentity(QStringLiteral(":0"), QStringLiteral("wayland-0")),
                                displayIdentity(QStringLiteral("a_3A0"), {}),
                                displayIdentity(QStringLiteral("a:0"), {})};
    for (qsizetype i = 0; i < others.size(); ++i) {
        for (qsizetype j = i + 1; j < others.size(); ++j)
            EXPECT_NE(others[i], others[j]) << others[i].toStdString();
    }
    EXPECT_TRUE(displayIdentity({}, {}).isEmpty());
}

TEST(DisplayIdentity, IsAShortPlainFileNameWhateverTheDisplayIsCalled)
{
    const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._-]{1,40}$"));
    const QString longPath = QStringLiteral("/run/user/1000/") + QString(200, u'w');
    for (const auto& [x11, wayland] : {std::pair{QStringLiteral("host/../..:0"), QString()},
                                       std::pair{QString(), QStringLiteral("/run/user/1000/wayland-0")},
                                       std::pair{QStringLiteral("夏:0"), QStringLiteral("a b%c")},
                                       std::pair{QString(), longPath}}) {
        const QString identity = displayIdentity(x11, wayland);
        EXPECT_TRUE(plain.match(identity).hasMatch()) << identity.toStdString();
    }
    EXPECT_NE(displayIdentity({}, longPath), displayIdentity({}, longPath + u'x'));
}

} // namespace

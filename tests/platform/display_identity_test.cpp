// Tests of the display identity: one short file name per display, whatever its spelling.
#include "platform/display_identity.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using platform::displayIdentity;

TEST(DisplayIdentity, OneShortFileNamePerDisplayWhateverItsSpelling)
{
    EXPECT_EQ(displayIdentity(QStringLiteral(":0.0"), {}), displayIdentity(QStringLiteral("unix:0"), {}));
    EXPECT_NE(displayIdentity(QStringLiteral(":1"), {}), displayIdentity(QStringLiteral("localhost:1"), {}));
    EXPECT_NE(displayIdentity(QStringLiteral("a_3A0"), {}), displayIdentity(QStringLiteral("a:0"), {}));
    EXPECT_NE(displayIdentity({}, QStringLiteral("wayland-0")),
              displayIdentity(QStringLiteral(":0"), QStringLiteral("wayland-0")));

    const QString longPath = QStringLiteral("/run/user/1000/") + QString(200, u'w');
    EXPECT_NE(displayIdentity({}, longPath), displayIdentity({}, longPath + u'x'));
    const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._-]{1,40}$"));
    for (const QString& wayland : {QStringLiteral("/run/user/1000/wayland-0"), QStringLiteral("夏 %/.."), longPath})
        EXPECT_TRUE(plain.match(displayIdentity(QStringLiteral("host/..:0"), wayland)).hasMatch())
            << wayland.toStdString();
}

} // namespace

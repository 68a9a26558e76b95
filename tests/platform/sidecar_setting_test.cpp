// Tests of the setting that names new sidecars, as typed by hand into the settings file.
#include "platform/sidecar_setting.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {

// The setting is typed by hand into a settings file, so its spelling is forgiven where it can be.
TEST(SidecarSetting, OnlyNameDotXmpChoosesTheShortNameAndAnythingElseKeepsTheDefault)
{
    QSettings settings(QStringLiteral("corvane"), QStringLiteral("corvane"));
    EXPECT_TRUE(settings.fileName().endsWith(QStringLiteral("/corvane/corvane.conf")))
        << "the file the manual page names: " << settings.fileName().toStdString();
    const auto chosen = [&](const QString& value) {
        settings.setValue(QStringLiteral("Sidecars/NewSidecarName"), value);
        settings.sync();
        return platform::newSidecarNameSetting();
    };
    EXPECT_EQ(chosen(QStringLiteral("NAME.xmp")), platform::NewSidecarName::WithoutExtension);
    EXPECT_EQ(chosen(QStringLiteral(" name.XMP ")), platform::NewSidecarName::WithoutExtension);
    EXPECT_EQ(chosen(QStringLiteral("NAME.EXT.xmp")), platform::NewSidecarName::WithExtension);
    EXPECT_EQ(chosen(QStringLiteral("short")), platform::NewSidecarName::WithExtension);
    settings.remove(QStringLiteral("Sidecars"));
    settings.sync();
    EXPECT_EQ(platform::newSidecarNameSetting(), platform::NewSidecarName::WithExtension);
}

} // namespace

// A test run keeps the toolkit's settings out of the user's own.
#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

// The file and font dialogs keep their history in the toolkit's own settings file; a test run
// keeps it out of the user's settings.
TEST(TestRunSettings, ToolkitSettingsOfATestRunStayOutOfTheUsersOwn)
{
    const QString written = QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName();
    EXPECT_TRUE(written.startsWith(QDir::tempPath() + u'/')) << written.toStdString();
}

} // namespace

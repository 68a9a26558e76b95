// Every test binary runs inside one QApplication on the offscreen platform, so widget tests need no
// display and logic tests may use Qt's file and process helpers freely.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the toolkit remembers (the file dialog's history, the font dialog's choices) goes into a
    // settings folder of the run's own, never into the user's; the programs the tests start inherit it.
    const QTemporaryDir settings;
    if (!settings.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

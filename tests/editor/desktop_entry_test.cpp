// The desktop entry: the picture types it offers the program for, and the desktop's own check.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString kEntry = QStringLiteral(CORVANE_SOURCE_DIR "/resources/corvane.desktop");

QStringList entryLines()
{
    QFile file(kEntry);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

TEST(DesktopEntry, OffersTheProgramForEveryPictureTypeItOpensWithTheFileAsItsArgument)
{
    const QStringList lines = entryLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=corvane %f")));
    const QStringList mime = lines.filter(QRegularExpression(QStringLiteral("^MimeType=")));
    ASSERT_EQ(mime.size(), 1);
    for (const char* type : {"image/jpeg", "image/png", "image/gif", "image/bmp", "image/tiff", "image/webp",
                             "image/heic", "image/heif", "image/avif", "image/jxl", "image/x-nikon-nef",
                             "image/x-canon-cr2", "image/x-canon-cr3", "image/x-sony-arw", "image/x-fuji-raf",
                             "image/x-olympus-orf", "image/x-panasonic-rw2", "image/x-pentax-pef", "image/x-adobe-dng"})
        EXPECT_TRUE(mime[0].mid(9).split(u';').contains(QLatin1String(type))) << type;
}

TEST(DesktopEntry, PassesTheDesktopsOwnValidator)
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    ASSERT_FALSE(validator.isEmpty()) << "scripts/setup installs desktop-file-utils";
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(validator, {kEntry});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(run.readAll(), QByteArray()) << "no warnings either";
}

} // namespace

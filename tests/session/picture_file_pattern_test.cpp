// Which file names the folder list takes for pictures.
#include "session/picture_file_pattern.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(PictureFilePatternTest, EveryPatternMatchesInAnyLetterCase)
{
    const QStringList patterns = QString::fromUtf16(session::PictureFilePattern).split(u';');
    ASSERT_EQ(patterns.size(), 39);
    for (const QString& pattern : patterns) {
        const QString extension = pattern.mid(2);
        EXPECT_TRUE(session::matchesPictureFilePattern(QStringLiteral("a.") + extension)) << qPrintable(pattern);
        EXPECT_TRUE(session::matchesPictureFilePattern(QStringLiteral("A B.") + extension.toUpper()));
        EXPECT_TRUE(session::matchesPictureFilePattern(QStringLiteral("x.y.") + extension));
    }
}

TEST(PictureFilePatternTest, OtherNamesDoNotMatch)
{
    for (const char* name : {"a.txt", "a.jpgx", "a.jp", "jpg", "a.", "a.jpg.txt", "a.webpx", "", "a.tiff~", "a.nef.xmp",
                             "a.cr", "a.heics", "a.jxl.txt"})
        EXPECT_FALSE(session::matchesPictureFilePattern(QString::fromLatin1(name))) << name;
}

} // namespace

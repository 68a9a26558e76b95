// The pieces a rename is built from: the extension, the new path and the names refused.
#include "dialogs/rename_names.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace dialogs {
namespace {

TEST(RenameNames, OnlySixExactLowerCaseExtensionsAreUpperCased)
{
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.jpg")), QStringLiteral("JPG"));
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.png")), QStringLiteral("PNG"));
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.bmp")), QStringLiteral("BMP"));
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.gif")), QStringLiteral("GIF"));
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.tif")), QStringLiteral("TIF"));
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.tiff")), QStringLiteral("TIFF"));
    for (const char* kept : {"jpeg", "jpe", "jfif", "Jpg", "pNg", "TIFF", "txt"}) {
        const QString extension = QString::fromLatin1(kept);
        EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.") + extension), extension);
    }
}

TEST(RenameNames, ExtensionIsTakenFromTheLastDotOfTheNameOnly)
{
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.b.png")), QStringLiteral("PNG"));
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p.d/a")), QString());
    EXPECT_EQ(FileExtensionOf(QStringLiteral("/p/a.")), QString());
}

TEST(RenameNames, NewPathKeepsFolderAndExtensionAndAddsNoDotWithoutOne)
{
    EXPECT_EQ(RenamedPath(QStringLiteral("/p/"), QStringLiteral("b"), QStringLiteral("JPG")),
              QStringLiteral("/p/b.JPG"));
    EXPECT_EQ(RenamedPath(QStringLiteral("/p/"), QStringLiteral("b"), QString()), QStringLiteral("/p/b"));
    EXPECT_EQ(RenamedPath(QStringLiteral("/p/"), QStringLiteral("b.c"), QStringLiteral("png")),
              QStringLiteral("/p/b.c.png"));
}

TEST(RenameNames, RefusesNamesThatMoveHideOrCannotBeStored)
{
    const QString jpg = QStringLiteral("JPG");
    EXPECT_FALSE(refusalOf(QString(), jpg).isEmpty());
    EXPECT_FALSE(refusalOf(QStringLiteral("../b"), jpg).isEmpty());
    EXPECT_FALSE(refusalOf(QStringLiteral("sub/b"), jpg).isEmpty());
    EXPECT_FALSE(refusalOf(QStringLiteral("/tmp/b"), jpg).isEmpty());
    EXPECT_FALSE(refusalOf(QStringLiteral(".b"), jpg).isEmpty());
    EXPECT_FALSE(refusalOf(QStringLiteral(".."), QString()).isEmpty());
    EXPECT_FALSE(refusalOf(QString(252, u'x'), jpg).isEmpty());                // 256 bytes with ".JPG"
    EXPECT_FALSE(refusalOf(QString(128, QChar(0x00e9)), QString()).isEmpty()); // 256 bytes in UTF-8
}

TEST(RenameNames, AcceptsOrdinaryNamesUpToTheLimit)
{
    for (const char* name : {"b", "b.", "a b", "b.c", "b..", "x-1_(2)"})
        EXPECT_EQ(refusalOf(QString::fromLatin1(name), QStringLiteral("JPG")), QString()) << name;
    EXPECT_EQ(refusalOf(QString(251, u'x'), QStringLiteral("JPG")), QString());
    EXPECT_EQ(refusalOf(QString(127, QChar(0x00e9)), QString()), QString());
}

} // namespace
} // namespace dialogs

// Tests of a form's property sets as text: reading sections, numbers and quoted text, and writing them
// back.
#include "cvbutton/property_set_text.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace cvbutton {
namespace {

const QString kRenameForm = QStringLiteral("# Buttons of the rename dialog\n"
                                           "[cvButton1]\n"
                                           "Caption = \"Cancel\"\n"
                                           "Style = 5\n"
                                           "\n"
                                           "[cvButton2]\r\n"
                                           "  caption   =   \"O\\\"K\\\\ \\n\"  \r\n"
                                           "BackColor = 0x00F0F0F0\n"
                                           "MaskColor = -12\n");

TEST(PropertySetText, ReadsSectionsNumbersAndQuotedText)
{
    QString error;
    const auto sets = parsePropertySets(kRenameForm, &error);
    ASSERT_TRUE(sets) << error.toStdString();
    ASSERT_EQ(sets->size(), 2u);
    const PropertySet* cancel = findPropertySet(*sets, QStringLiteral("CVBUTTON1"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->bag.read(QStringLiteral("caption"), {}).toString(), QStringLiteral("Cancel"));
    EXPECT_EQ(cancel->bag.read(QStringLiteral("Style"), {}).toLongLong(), 5);
    const PropertySet& ok = (*sets)[1];
    EXPECT_EQ(ok.bag.read(QStringLiteral("Caption"), {}).toString(), QStringLiteral("O\"K\\ \n"));
    EXPECT_EQ(ok.bag.read(QStringLiteral("BackColor"), {}).toLongLong(), 0xF0F0F0);
    EXPECT_EQ(ok.bag.read(QStringLiteral("MaskColor"), {}).toLongLong(), -12);
    EXPECT_EQ(findPropertySet(*sets, QStringLiteral("cvButton3")), nullptr);
}

TEST(PropertySetText, FormattedTextReadsBackAsTheSameSets)
{
    const auto sets = parsePropertySets(kRenameForm);
    ASSERT_TRUE(sets);
    const auto again = parsePropertySets(formatPropertySets(*sets));
    ASSERT_TRUE(again);
    ASSERT_EQ(again->size(), sets->size());
    for (std::size_t i = 0; i < sets->size(); ++i) {
        EXPECT_EQ((*again)[i].name, (*sets)[i].name);
        EXPECT_EQ((*again)[i].bag.keys(), (*sets)[i].bag.keys());
        for (const QString& key : (*sets)[i].bag.keys())
            EXPECT_EQ((*again)[i].bag.read(key, {}), (*sets)[i].bag.read(key, {})) << key.toStdString();
    }
}

TEST(PropertySetText, RejectsMalformedLinesNamingTheLine)
{
    const QStringList broken = {
        QStringLiteral("Caption = \"x\""),
        QStringLiteral("[b]\nCaption = \"unterminated"),
        QStringLiteral("[b]\nStyle = five"),
        QStringLiteral("[b]\n\nCaption = \"a\"b\""),
        QStringLiteral("[b]\nCaption = \"bad \\q escape\""),
        QStringLiteral("[b]\njust words"),
    };
    for (const QString& text : broken) {
        QString error;
        EXPECT_FALSE(parsePropertySets(text, &error)) << text.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("line "))) << error.toStdString();
    }
    QString error;
    parsePropertySets(QStringLiteral("[b]\n\nStyle = x"), &error);
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 3:"))) << error.toStdString();
}

TEST(PropertySetText, LoadsFromAFileAndReportsAMissingOne)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(kRenameForm.toUtf8());
    file.close();
    const auto sets = loadPropertySets(file.fileName());
    ASSERT_TRUE(sets);
    EXPECT_EQ(sets->size(), 2u);
    QString error;
    EXPECT_FALSE(loadPropertySets(QStringLiteral(":/no/such/form"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PropertyBag, MatchesKeysWithoutCaseAndLeavesOutDefaults)
{
    PropertyBag bag;
    bag.write(QStringLiteral("Style"), 3, 3);
    EXPECT_FALSE(bag.contains(QStringLiteral("style")));
    bag.write(QStringLiteral("Style"), 0, 3);
    bag.write(QStringLiteral("STYLE"), 4, 3);
    EXPECT_EQ(bag.keys(), QStringList{QStringLiteral("Style")});
    EXPECT_EQ(bag.read(QStringLiteral("sTyLe"), 9).toLongLong(), 4);
    bag.write(QStringLiteral("style"), 3, 3);
    EXPECT_FALSE(bag.contains(QStringLiteral("Style")));
    bag.write(QStringLiteral("Enabled"), true, qint64{-1});
    EXPECT_FALSE(bag.contains(QStringLiteral("Enabled")));
    bag.write(QStringLiteral("Caption"), QString(), QStringLiteral(""));
    EXPECT_FALSE(bag.contains(QStringLiteral("Caption")));
    bag.write(QStringLiteral("Tooltiptitle"), QString());
    EXPECT_TRUE(bag.contains(QStringLiteral("TOOLTIPTITLE")));
    EXPECT_EQ(bag.read(QStringLiteral("Absent"), QStringLiteral("fallback")).toString(), QStringLiteral("fallback"));
}

} // namespace
} // namespace cvbutton

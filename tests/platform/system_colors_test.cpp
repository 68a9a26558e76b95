// Tests of colour values and the system colour table read from the palette.
#include "platform/system_colors.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Colorrefs, KeepRedInTheLowByteAndCapChannels)
{
    EXPECT_EQ(rgb(0x11, 0x22, 0x33), 0x332211u);
    EXPECT_EQ(rgb(300, 0, 256), 0xFF00FFu);
    EXPECT_EQ(redOf(0x332211), 0x11);
    EXPECT_EQ(blueOf(0x332211), 0x33);
    EXPECT_EQ(fromQRgb(toQRgb(0x0078D7)), 0x0078D7u);
    EXPECT_EQ(toQRgb(0x0000FF), qRgb(255, 0, 0));
}

TEST(StockSystemColors, AreTheFreshDesktopColours)
{
    const SystemColors colors = SystemColors::windows10();
    EXPECT_EQ(colors.color(COLOR_BTNFACE), 0xF0F0F0u);
    EXPECT_EQ(colors.color(COLOR_BTNSHADOW), 0xA0A0A0u);
    EXPECT_EQ(colors.color(COLOR_BTNHIGHLIGHT), 0xFFFFFFu);
    EXPECT_EQ(colors.color(COLOR_3DLIGHT), 0xE3E3E3u);
    EXPECT_EQ(colors.color(COLOR_3DDKSHADOW), 0x696969u);
    EXPECT_EQ(colors.color(COLOR_BTNTEXT), 0x000000u);
    EXPECT_EQ(colors.color(COLOR_HIGHLIGHT), rgb(0x00, 0x78, 0xD7));
    EXPECT_EQ(colors.color(COLOR_WINDOW), 0xFFFFFFu);
    EXPECT_EQ(colors.color(COLOR_GRAYTEXT), 0x6D6D6Du);
    EXPECT_EQ(colors.color(COLOR_INACTIVECAPTION), rgb(0xBF, 0xCD, 0xDB));
    EXPECT_EQ(colors.color(COLOR_INFOBK), rgb(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(colors.color(COLOR_INFOTEXT), 0x000000u);
    EXPECT_EQ(colors.color(-1), 0u);
    EXPECT_EQ(colors.color(SystemColors::kCount), 0u);
}

TEST(SystemColorTranslation, ResolvesSystemColoursAndRejectsOtherHighBytes)
{
    const SystemColors colors = SystemColors::windows10();
    EXPECT_EQ(colors.translate(0x123456), 0x123456u);
    EXPECT_EQ(colors.translate(0x80000011), colors.color(COLOR_GRAYTEXT));
    EXPECT_EQ(colors.translate(0x8000001E), colors.color(30));
    EXPECT_FALSE(colors.translate(0x8000001F).has_value());
    EXPECT_FALSE(colors.translate(0x80000111).has_value());
    EXPECT_FALSE(colors.translate(0x01000000).has_value());
    EXPECT_FALSE(colors.translate(0xFFFFFFFF).has_value());
}

TEST(PinnedSystemColorTables, ReplaceThePaletteUntilReleasedAndNest)
{
    SystemColors outer = SystemColors::windows10();
    outer.setColor(COLOR_BTNFACE, 0x010203);
    SystemColors inner = SystemColors::windows10();
    inner.setColor(COLOR_BTNFACE, 0x040506);
    const Colorref unpinned = SystemColors::current().color(COLOR_BTNFACE);
    {
        const PinnedSystemColors first(outer);
        {
            const PinnedSystemColors second(inner);
            EXPECT_EQ(SystemColors::current().color(COLOR_BTNFACE), 0x040506u);
        }
        EXPECT_EQ(SystemColors::current().color(COLOR_BTNFACE), 0x010203u);
    }
    EXPECT_EQ(SystemColors::current().color(COLOR_BTNFACE), unpinned);
}

TEST(PaletteSystemColors, TakeTheRolesThePaletteHasAndKeepTheRest)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 8, 9));
    const SystemColors colors = SystemColors::fromPalette(palette);
    EXPECT_EQ(colors.color(COLOR_BTNFACE), rgb(1, 2, 3));
    EXPECT_EQ(colors.color(COLOR_HIGHLIGHT), rgb(4, 5, 6));
    EXPECT_EQ(colors.color(COLOR_GRAYTEXT), rgb(7, 8, 9));
    EXPECT_EQ(colors.color(COLOR_INACTIVECAPTION), rgb(0xBF, 0xCD, 0xDB));
}

} // namespace
} // namespace platform

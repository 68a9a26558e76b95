// Tests that every property survives writing to a property set and reading back, under its stored name.
#include "button_fixture.h"
#include "cvbutton/property_bag.h"

namespace cvbutton {
namespace {

using testing::ButtonTest;

class Persistence : public ButtonTest {
protected:
    // Every property away from its initial, read and write defaults.
    void setEveryProperty(cvButton& control)
    {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(11.5);
        font.setBold(true);
        control.setIcon(IconPicture(image, IconPicture::TypeBitmap));
        control.setStyle(StyleGlass);
        control.setCaption(QStringLiteral("Rename \"it\"\nnow"));
        control.setIconSize(24);
        control.setIconAlign(AlignRight);
        control.setCaptionAlign(AlignBottom);
        control.setNonThemeStyle(StyleGlow);
        control.setEnabled(false);
        control.setShowFocus(true);
        control.setUseCustomColors(true);
        control.setBackColor(0x010203);
        control.setHighlightColor(0x040506);
        control.setFontColor(0x070809);
        control.setFontHighlightColor(0x0A0B0C);
        // The setter takes the host's text, as building the tooltip does.
        host.setExtenderToolTipText(QStringLiteral("Renames the file"));
        control.setToolTipText(QStringLiteral("Renames the file"));
        control.setToolTipTitle(QStringLiteral("Rename"));
        control.setToolTipIcon(2);
        control.setToolTipType(TipStandard);
        control.setToolTipBackColor(0x0D0E0F);
        control.setToolTipForeColor(0x101112);
        control.setFont(font);
        control.setButtonType(KindCheck);
        control.setValue(true);
        control.setMaskColor(0xFF00FF);
        control.setUseMaskColor(true);
        control.setMousePointer(11);
        control.setRoundedBordersByTheme(false);
        control.setRightToLeft(true);
    }

    PropertyBag written(cvButton& control)
    {
        PropertyBag bag;
        control.WriteProperties(bag);
        return bag;
    }
};

TEST_F(Persistence, EveryPropertySurvivesARoundTripThroughTheBag)
{
    button.InitProperties();
    setEveryProperty(button);
    const PropertyBag bag = written(button);

    PlainHost otherHost(75, 23);
    cvButton copy(otherHost);
    copy.ReadProperties(bag);

    EXPECT_TRUE(copy.Icon() == button.Icon());
    EXPECT_EQ(copy.Style(), StyleGlass);
    EXPECT_EQ(copy.Caption(), QStringLiteral("Rename \"it\"\nnow"));
    EXPECT_EQ(copy.IconSize(), 24);
    EXPECT_EQ(copy.IconAlign(), AlignRight);
    EXPECT_EQ(copy.CaptionAlign(), AlignBottom);
    EXPECT_EQ(copy.NonThemeStyle(), StyleGlow);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_TRUE(copy.ShowFocus());
    EXPECT_TRUE(copy.UseCustomColors());
    EXPECT_EQ(copy.BackColor(), 0x010203u);
    EXPECT_EQ(copy.HighlightColor(), 0x040506u);
    EXPECT_EQ(copy.FontColor(), 0x070809u);
    EXPECT_EQ(copy.FontHighlightColor(), 0x0A0B0Cu);
    EXPECT_EQ(copy.ToolTipText(), QStringLiteral("Renames the file"));
    EXPECT_EQ(copy.ToolTipTitle(), QStringLiteral("Rename"));
    EXPECT_EQ(copy.ToolTipIcon(), 2);
    EXPECT_EQ(copy.ToolTipType(), TipStandard);
    EXPECT_EQ(copy.ToolTipBackColor(), 0x0D0E0Fu);
    EXPECT_EQ(copy.ToolTipForeColor(), 0x101112u);
    EXPECT_EQ(copy.Font(), button.Font());
    EXPECT_EQ(copy.ButtonType(), KindCheck);
    EXPECT_TRUE(copy.Value());
    EXPECT_EQ(copy.MaskColor(), 0xFF00FFu);
    EXPECT_TRUE(copy.UseMaskColor());
    EXPECT_EQ(copy.MousePointer(), 11);
    EXPECT_FALSE(copy.RoundedBordersByTheme());
    EXPECT_TRUE(copy.RightToLeft());
    EXPECT_EQ(copy.runtime().DrawState, StateNormal);
}

TEST_F(Persistence, WritesEveryKeyAsItIsSpelledAndInOrder)
{
    button.InitProperties();
    setEveryProperty(button);
    const QStringList expected = {"Icon",
                                  "Style",
                                  "Caption",
                                  "IconSize",
                                  "IconAlign",
                                  "CaptionAlign",
                                  "iNonThemeStyle",
                                  "Enabled",
                                  "ShowFocus",
                                  "USeCustomColors",
                                  "BackColor",
                                  "HighlightColor",
                                  "FontColor",
                                  "FontHighlightColor",
                                  "ToolTipText",
                                  "Tooltiptitle",
                                  "ToolTipIcon",
                                  "ToolTipType",
                                  "ttBackColor",
                                  "ttForeColor",
                                  "Font",
                                  "ButtonType",
                                  "Value",
                                  "MaskColor",
                                  "UseMaskColor",
                                  "MousePointer",
                                  "RoundedBordersByTheme",
                                  "bRTLText"};
    EXPECT_EQ(written(button).keys(), expected);
}

TEST_F(Persistence, StoresBooleansAsMinusOneAndZero)
{
    button.InitProperties();
    setEveryProperty(button);
    const PropertyBag bag = written(button);
    EXPECT_EQ(bag.read(QStringLiteral("bRTLText"), {}).toLongLong(), -1);
    EXPECT_EQ(bag.read(QStringLiteral("Value"), {}).toLongLong(), -1);
    EXPECT_EQ(bag.read(QStringLiteral("Enabled"), {}).toLongLong(), 0);
    EXPECT_EQ(bag.read(QStringLiteral("RoundedBordersByTheme"), {}).toLongLong(), 0);
}

TEST_F(Persistence, ANewControlLeavesOutWhatEqualsTheWriteDefaults)
{
    button.InitProperties();
    const PropertyBag bag = written(button);
    const QStringList expected = {
        "Icon",        "Style",       "Caption", "iNonThemeStyle", "Tooltiptitle",         "ToolTipIcon",
        "ToolTipType", "ttForeColor", "Font",    "MaskColor",      "RoundedBordersByTheme"};
    EXPECT_EQ(bag.keys(), expected);
    EXPECT_EQ(bag.read(QStringLiteral("Style"), {}).toLongLong(), 0);
    EXPECT_EQ(bag.read(QStringLiteral("iNonThemeStyle"), {}).toLongLong(), 0);
    EXPECT_EQ(bag.read(QStringLiteral("ttForeColor"), {}).toLongLong(), 0);
    EXPECT_EQ(bag.read(QStringLiteral("Caption"), {}).toString(), QStringLiteral("cvButton1"));
}

TEST_F(Persistence, AnEmptySetReadsTheReadDefaults)
{
    button.ReadProperties(PropertyBag());
    EXPECT_EQ(button.Style(), StyleEtched);
    EXPECT_EQ(button.NonThemeStyle(), StyleRoundedGradient);
    EXPECT_TRUE(button.RoundedBordersByTheme());
    EXPECT_EQ(button.MaskColor(), 0xC0C0C0u);
    EXPECT_EQ(button.Caption(), QStringLiteral("cvButton"));
    EXPECT_EQ(button.IconSize(), 16);
    EXPECT_EQ(button.IconAlign(), AlignLeft);
    EXPECT_EQ(button.CaptionAlign(), AlignCenter);
    EXPECT_EQ(button.ToolTipType(), TipBalloon);
    EXPECT_EQ(button.BackColor(), kFace);
    EXPECT_EQ(button.ToolTipBackColor(), 0x000000u);
    EXPECT_EQ(button.ToolTipForeColor(), kInfoBackground);
    EXPECT_TRUE(button.Enabled());
    EXPECT_FALSE(button.Icon().hasHandle());
    EXPECT_EQ(button.runtime().DrawState, StateNormal);
}

TEST_F(Persistence, FourReadDefaultsDifferFromANewControlYetRoundTripsKeepTheValues)
{
    button.InitProperties();
    EXPECT_EQ(button.Style(), 0);
    EXPECT_EQ(button.NonThemeStyle(), 0);
    EXPECT_FALSE(button.RoundedBordersByTheme());
    EXPECT_EQ(button.MaskColor(), 0u);
    const PropertyBag bag = written(button);
    PlainHost otherHost(75, 23);
    cvButton copy(otherHost);
    copy.ReadProperties(bag);
    EXPECT_EQ(copy.Style(), 0);
    EXPECT_EQ(copy.NonThemeStyle(), 0);
    EXPECT_FALSE(copy.RoundedBordersByTheme());
    EXPECT_EQ(copy.MaskColor(), 0u);
}

TEST_F(Persistence, EdgeValuesOfCaptionStyleAndTooltipColours)
{
    button.InitProperties();
    button.setCaption(QString());
    button.setStyle(StyleEtched);
    button.setToolTipBackColor(0x000000);
    PropertyBag bag = written(button);
    EXPECT_FALSE(bag.contains(QStringLiteral("Caption")));
    EXPECT_FALSE(bag.contains(QStringLiteral("Style")));
    EXPECT_FALSE(bag.contains(QStringLiteral("ttBackColor")));
    button.ReadProperties(bag);
    EXPECT_EQ(button.Caption(), QStringLiteral("cvButton"));
    EXPECT_EQ(button.Style(), StyleEtched);
    EXPECT_EQ(button.ToolTipBackColor(), 0x000000u);
}

TEST_F(Persistence, RightToLeftIsAThirtyTwoBitFlagUnderItsOwnKey)
{
    PropertyBag bag;
    bag.write(QStringLiteral("bRTLText"), qint64{5});
    button.ReadProperties(bag);
    EXPECT_TRUE(button.RightToLeft());
    bag.write(QStringLiteral("bRTLText"), qint64{0});
    button.ReadProperties(bag);
    EXPECT_FALSE(button.RightToLeft());
}

TEST_F(Persistence, TheTooltipTextIsReadTwiceFirstIntoTheHostsCopy)
{
    host.setExtenderToolTipText(QStringLiteral("old"));
    button.setToolTipText(QStringLiteral("old"));
    button.ReadProperties(PropertyBag());
    EXPECT_EQ(host.extenderToolTipText(), QStringLiteral("old"));
    EXPECT_EQ(button.ToolTipText(), QString());

    PropertyBag bag;
    bag.write(QStringLiteral("ToolTipText"), QStringLiteral("tip"));
    button.ReadProperties(bag);
    EXPECT_EQ(host.extenderToolTipText(), QStringLiteral("tip"));
    EXPECT_EQ(button.ToolTipText(), QStringLiteral("tip"));
}

TEST_F(Persistence, TheTooltipTextIsWrittenOnlyWhenItDiffersFromTheHostsCopy)
{
    button.InitProperties();
    host.setExtenderToolTipText(QStringLiteral("tip"));
    button.setToolTipText(QStringLiteral("tip"));
    host.setExtenderToolTipText(QStringLiteral("tip"));
    EXPECT_FALSE(written(button).contains(QStringLiteral("ToolTipText")));
    host.setExtenderToolTipText(QStringLiteral("other"));
    EXPECT_EQ(written(button).read(QStringLiteral("ToolTipText"), {}).toString(), QStringLiteral("tip"));
}

TEST_F(Persistence, KeysMatchWithoutRegardToCaseAndDamagedValuesReadAsDefaults)
{
    PropertyBag bag;
    bag.write(QStringLiteral("STYLE"), qint64{7});
    bag.write(QStringLiteral("usecustomcolors"), qint64{-1});
    bag.write(QStringLiteral("IconSize"), qint64{40000});
    bag.write(QStringLiteral("Caption"), qint64{12});
    bag.write(QStringLiteral("BackColor"), QStringLiteral("red"));
    button.ReadProperties(bag);
    EXPECT_EQ(button.Style(), StyleGlow);
    EXPECT_TRUE(button.UseCustomColors());
    EXPECT_EQ(button.IconSize(), 16);
    EXPECT_EQ(button.Caption(), QStringLiteral("cvButton"));
    EXPECT_EQ(button.BackColor(), kFace);
}

TEST_F(Persistence, ReadingAssignsWithoutNotifyingAndThenLaysOut)
{
    PropertyBag bag;
    bag.write(QStringLiteral("MousePointer"), qint64{3});
    bag.write(QStringLiteral("Font"), QStringLiteral("DejaVu Sans,20"));
    button.ReadProperties(bag);
    EXPECT_TRUE(host.notifications().isEmpty());
    EXPECT_EQ(host.sizeRequests(), 1);
    EXPECT_EQ(host.mousePointer(), 3);
    EXPECT_EQ(host.surface().font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(host.surface().font().pointSize(), 20);
}

TEST_F(Persistence, ANewControlTakesItsNameAndTheSystemColours)
{
    button.InitProperties();
    EXPECT_EQ(button.Caption(), QStringLiteral("cvButton1"));
    EXPECT_EQ(button.IconSize(), 16);
    EXPECT_EQ(button.runtime().CaptionFormat, 17u);
    EXPECT_EQ(button.runtime().ContentMargin, 4);
    EXPECT_EQ(button.BackColor(), kFace);
    EXPECT_EQ(button.HighlightColor(), platform::rgb(0x00, 0x78, 0xD7));
    EXPECT_EQ(button.FontColor(), 0u);
    EXPECT_EQ(button.ToolTipType(), TipBalloon);
    EXPECT_EQ(button.IconAlign(), AlignLeft);
    EXPECT_EQ(button.runtime().DrawState, 0);
    EXPECT_TRUE(host.notifications().isEmpty());
}

} // namespace
} // namespace cvbutton

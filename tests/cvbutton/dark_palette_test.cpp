// Tests that captions stay readable on a dark desktop, on faces drawn in fixed light colours too.
#include "cvbutton/cvbutton.h"
#include "cvbutton/plain_host.h"
#include "cvbutton/render/contrast.h"
#include "fake_url_opener.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace cvbutton::testing {
namespace {

// A dark desktop's colours, as a dark colour scheme sets them: light text on dark buttons.
QPalette darkPalette()
{
    QPalette palette(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Active, role, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    return palette;
}

class DarkPalette : public ::testing::Test {
protected:
    DarkPalette() : light_(QApplication::palette()) { QApplication::setPalette(darkPalette()); }
    ~DarkPalette() override { QApplication::setPalette(light_); }

    // How many pixels of the caption stand out from the face under them by a readable contrast.
    static int readableCaptionPixels(int style, int state, bool focused)
    {
        PlainHost host(96, 28);
        cvButton button(host, std::make_shared<FakeUrlOpener>());
        button.InitProperties();
        button.setStyle(style);
        button.setCaption(QString());
        button.UserControl_Show();
        button.setHasFocus(focused);
        button.setDrawState(state);
        button.Refresh();
        const host::Surface face = host.surface();
        button.setCaption(QStringLiteral("Apply"));
        int readable = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                readable +=
                    render::ContrastRatio(face.pixel(x, y), host.surface().pixel(x, y)) >= render::kTextContrast;
        return readable;
    }

private:
    QPalette light_;
};

TEST_F(DarkPalette, EveryFaceKeepsItsCaptionReadable)
{
    for (int style = StyleStandard; style <= StyleSkinned; ++style)
        for (int state : {StateNormal, StateHot, StatePressed, StateDefaulted})
            for (bool focused : {false, true})
                EXPECT_GE(readableCaptionPixels(style, state, focused), 10)
                    << "style " << style << " state " << state << " focused " << focused;
}

} // namespace
} // namespace cvbutton::testing

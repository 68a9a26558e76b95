// The drawn faces against a painter written separately from the same description of the faces
// (reference/drawn_faces.py), on sizes, states, marks and colours of our own choosing.
#include "cvbutton/render/face_renderers.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace cvbutton::render {
namespace {

constexpr Colorref kPaper = 0x563412;
constexpr Colorref kButtonFace = 0xC8D0D4;
constexpr Colorref kSystemHighlight = 0xC56A31;

struct FaceCase {
    int W;
    int H;
    int state;
    bool focus = false;
    bool showFocus = false;
    bool displayAsDefault = false;
    bool custom = false;
    Colorref back = 0xE0D0C0;
    Colorref highlight = 0x50A030;
};

QString hex(Colorref color)
{
    return QStringLiteral("%1%2%3")
        .arg(platform::redOf(color), 2, 16, QLatin1Char('0'))
        .arg(platform::greenOf(color), 2, 16, QLatin1Char('0'))
        .arg(platform::blueOf(color), 2, 16, QLatin1Char('0'));
}

QImage referenceFace(int style, const FaceCase& c, const QString& out)
{
    QStringList arguments{QStringLiteral(CORVANE_TEST_DATA "/../cvbutton/reference/drawn_faces.py"),
                          out,
                          "--style",
                          QString::number(style),
                          "--size",
                          QStringLiteral("%1x%2").arg(c.W).arg(c.H),
                          "--state",
                          QString::number(c.state),
                          "--back",
                          hex(c.back),
                          "--highlight",
                          hex(c.highlight),
                          "--face",
                          hex(kButtonFace),
                          "--syshl",
                          hex(kSystemHighlight),
                          "--paper",
                          hex(kPaper)};
    if (c.focus)
        arguments << "--focus";
    if (c.showFocus)
        arguments << "--show-focus";
    if (c.displayAsDefault)
        arguments << "--default";
    if (c.custom)
        arguments << "--custom";
    QProcess painter;
    painter.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!painter.waitForFinished(60000) || painter.exitCode() != 0) {
        ADD_FAILURE() << "reference painter failed: " << painter.readAllStandardError().toStdString();
        return {};
    }
    return QImage(out).convertToFormat(QImage::Format_ARGB32);
}

host::Surface ourFace(int style, const FaceCase& c)
{
    host::Surface surface(c.W, c.H);
    surface.setBackgroundColor(kPaper);
    surface.clear();
    const FaceView view{c.W,      c.H,    c.focus,     c.showFocus, c.displayAsDefault,
                        c.custom, c.back, c.highlight, kButtonFace, kSystemHighlight};
    int state = c.state;
    switch (style) {
    case 5:
        (c.custom ? DrawRoundedGradientCustom : DrawRoundedGradientFixed)(surface, view, state);
        break;
    case 7:
        DrawGlowFace(surface, view, state);
        break;
    case 8:
        DrawShadowedFace(surface, view, state);
        break;
    case 9:
        DrawGlassFace(surface, view, state);
        break;
    default:
        DrawSkinnedFace(surface, view, state);
        break;
    }
    EXPECT_EQ(state, c.state) << "the renderer changed DrawState";
    return surface;
}

// With CVBUTTON_FACES_OUT naming a folder, every face compared is also written there as a PNG for
// a person to look at.
void keepForLooking(int style, const FaceCase& c, const host::Surface& face)
{
    const QString folder = qEnvironmentVariable("CVBUTTON_FACES_OUT");
    if (folder.isEmpty())
        return;
    const QString name = QStringLiteral("/style%1-%2x%3-state%4-f%5%6%7-c%8.png")
                             .arg(style)
                             .arg(c.W)
                             .arg(c.H)
                             .arg(c.state)
                             .arg(int(c.focus))
                             .arg(int(c.showFocus))
                             .arg(int(c.displayAsDefault))
                             .arg(int(c.custom));
    face.image().save(folder + name);
}

// Pixels the reference leaves open are transparent there and not compared.
void expectSameFace(int style, const FaceCase& c, const QTemporaryDir& folder)
{
    const QImage expected = referenceFace(style, c, folder.filePath(QStringLiteral("reference.png")));
    ASSERT_EQ(expected.size(), QSize(c.W, c.H));
    const host::Surface actual = ourFace(style, c);
    keepForLooking(style, c, actual);
    int differences = 0;
    for (int y = 0; y < c.H; ++y)
        for (int x = 0; x < c.W; ++x) {
            const QRgb want = expected.pixel(x, y);
            if (qAlpha(want) == 0 || platform::fromQRgb(want) == actual.pixel(x, y))
                continue;
            if (++differences <= 5)
                ADD_FAILURE() << "style " << style << " " << c.W << "x" << c.H << " state " << c.state << " focus "
                              << c.focus << " custom " << c.custom << ": pixel (" << x << ", " << y << ") is "
                              << hex(actual.pixel(x, y)).toStdString() << ", expected "
                              << hex(platform::fromQRgb(want)).toStdString();
        }
    EXPECT_EQ(differences, 0);
}

std::vector<FaceCase> casesFor(const std::vector<std::pair<int, int>>& sizes)
{
    std::vector<FaceCase> cases;
    for (const auto& [W, H] : sizes)
        for (int state = 1; state <= 6; ++state)
            for (const bool custom : {false, true}) {
                cases.push_back({W, H, state, false, false, false, custom});
                cases.push_back({W, H, state, true, false, false, custom});
                cases.push_back({W, H, state, true, true, false, custom, 0x1F2F3F, 0xFFEE10});
                cases.push_back({W, H, state, false, false, true, custom, 0xFAFBFC, 0x0A0B0C});
            }
    return cases;
}

void expectStyleMatches(int style, const std::vector<std::pair<int, int>>& sizes)
{
    const QTemporaryDir folder;
    for (const FaceCase& c : casesFor(sizes))
        expectSameFace(style, c, folder);
}

TEST(DrawnFacesAgainstReference, RoundedGradient)
{
    expectStyleMatches(5, {{81, 27}, {40, 19}, {9, 9}});
}
TEST(DrawnFacesAgainstReference, Glow)
{
    expectStyleMatches(7, {{81, 27}, {33, 18}});
}
TEST(DrawnFacesAgainstReference, Shadowed)
{
    expectStyleMatches(8, {{81, 27}, {33, 18}});
}
TEST(DrawnFacesAgainstReference, Glass)
{
    expectStyleMatches(9, {{81, 27}, {64, 30}, {50, 21}});
}
TEST(DrawnFacesAgainstReference, Skinned)
{
    expectStyleMatches(10, {{101, 33}, {60, 26}});
}

} // namespace
} // namespace cvbutton::render

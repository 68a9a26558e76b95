// The desktop's colours: colour values as the button passes them around, the numbered system colours, and
// the table read from the palette that resolves them.
#pragma once

#include <QPalette>
#include <QRgb>

#include <array>
#include <cstdint>
#include <optional>

namespace platform {

// A colour as the button control passes it around: 0x00BBGGRR, red in the low byte. A value
// 0x800000nn names system colour nn and only becomes a real colour through SystemColors::translate.
using Colorref = std::uint32_t;

// What a failed colour translation and a pixel read outside a surface yield.
inline constexpr Colorref kInvalidColor = 0xFFFFFFFF;

constexpr int redOf(Colorref color)
{
    return static_cast<int>(color & 0xFF);
}
constexpr int greenOf(Colorref color)
{
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int blueOf(Colorref color)
{
    return static_cast<int>((color >> 16) & 0xFF);
}

// Channels above 255 are taken as 255; callers never pass negative channels.
constexpr Colorref rgb(int red, int green, int blue)
{
    const auto channel = [](int value) { return static_cast<Colorref>(value > 255 ? 255 : value); };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}

constexpr QRgb toQRgb(Colorref color)
{
    return qRgb(redOf(color), greenOf(color), blueOf(color));
}
constexpr Colorref fromQRgb(QRgb color)
{
    return rgb(qRed(color), qGreen(color), qBlue(color));
}

// System colour indices, numbered as the button control stores and compares them.
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;

// The table of system colours. The program reads it from the application palette; tests and the
// render tool pin a known table so that pixels do not depend on the desktop's theme.
class SystemColors {
public:
    static constexpr int kCount = 31;

    // The pinned table when one is pinned, else the application's palette.
    static SystemColors current();
    // The stock colours of a freshly installed desktop of the platform the control was made for.
    static SystemColors windows10();
    // The stock table with every entry the palette has a role for taken from the palette.
    static SystemColors fromPalette(const QPalette& palette);

    // Index nn's colour; 0 for an index outside the table.
    Colorref color(int index) const;
    void setColor(int index, Colorref color);

    // A plain colour (high byte 0) as it is, 0x800000nn as system colour nn; nothing for any other
    // value, including an index outside the table.
    std::optional<Colorref> translate(Colorref oleColor) const;

private:
    friend class PinnedSystemColors;
    static std::optional<SystemColors>& pinned();

    std::array<Colorref, kCount> table_{};
};

// Pins a table for the lifetime of this object; the table pinned before comes back afterwards.
class PinnedSystemColors {
public:
    explicit PinnedSystemColors(const SystemColors& table);
    ~PinnedSystemColors();
    PinnedSystemColors(const PinnedSystemColors&) = delete;
    PinnedSystemColors& operator=(const PinnedSystemColors&) = delete;

private:
    std::optional<SystemColors> previous_;
};

} // namespace platform

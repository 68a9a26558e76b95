// Reading the desktop's colours from the application palette into the system colour table.
#include "platform/system_colors.h"

#include <QGuiApplication>

namespace platform {
namespace {

constexpr Colorref hex(std::uint32_t rrggbb)
{
    return rgb(static_cast<int>((rrggbb >> 16) & 0xFF), static_cast<int>((rrggbb >> 8) & 0xFF),
               static_cast<int>(rrggbb & 0xFF));
}

constexpr std::array<Colorref, SystemColors::kCount> kStockColors = {
    hex(0xC8C8C8), hex(0x000000), hex(0x99B4D1), hex(0xBFCDDB), hex(0xF0F0F0), hex(0xFFFFFF), hex(0x646464),
    hex(0x000000), hex(0x000000), hex(0x000000), hex(0xB4B4B4), hex(0xF4F7FC), hex(0xABABAB), hex(0x0078D7),
    hex(0xFFFFFF), hex(0xF0F0F0), hex(0xA0A0A0), hex(0x6D6D6D), hex(0x000000), hex(0x000000), hex(0xFFFFFF),
    hex(0x696969), hex(0xE3E3E3), hex(0x000000), hex(0xFFFFE1), hex(0x000000), hex(0x0066CC), hex(0xB9D1EA),
    hex(0xD7E4F2), hex(0x3399FF), hex(0xF0F0F0),
};

struct PaletteRole {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Only the entries a palette really describes; the caption and border colours have no role and
// keep their stock values.
constexpr PaletteRole kPaletteRoles[] = {
    {COLOR_WINDOW, QPalette::Active, QPalette::Base},
    {COLOR_WINDOWTEXT, QPalette::Active, QPalette::Text},
    {COLOR_HIGHLIGHT, QPalette::Active, QPalette::Highlight},
    {COLOR_HIGHLIGHTTEXT, QPalette::Active, QPalette::HighlightedText},
    {COLOR_BTNFACE, QPalette::Active, QPalette::Button},
    {COLOR_BTNSHADOW, QPalette::Active, QPalette::Dark},
    {COLOR_GRAYTEXT, QPalette::Disabled, QPalette::Text},
    {COLOR_BTNTEXT, QPalette::Active, QPalette::ButtonText},
    {COLOR_BTNHIGHLIGHT, QPalette::Active, QPalette::Light},
    {COLOR_3DDKSHADOW, QPalette::Active, QPalette::Shadow},
    {COLOR_3DLIGHT, QPalette::Active, QPalette::Midlight},
    {COLOR_INFOTEXT, QPalette::Active, QPalette::ToolTipText},
    {COLOR_INFOBK, QPalette::Active, QPalette::ToolTipBase},
};

constexpr Colorref kSystemColorFlag = 0x80000000;

} // namespace

SystemColors SystemColors::current()
{
    if (pinned())
        return *pinned();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return windows10();
    return fromPalette(QGuiApplication::palette());
}

SystemColors SystemColors::windows10()
{
    SystemColors colors;
    colors.table_ = kStockColors;
    return colors;
}

SystemColors SystemColors::fromPalette(const QPalette& palette)
{
    SystemColors colors = windows10();
    for (const PaletteRole& entry : kPaletteRoles)
        colors.setColor(entry.index, fromQRgb(palette.color(entry.group, entry.role).rgb()));
    return colors;
}

Colorref SystemColors::color(int index) const
{
    if (index < 0 || index >= kCount)
        return 0;
    return table_[static_cast<std::size_t>(index)];
}

void SystemColors::setColor(int index, Colorref color)
{
    if (index >= 0 && index < kCount)
        table_[static_cast<std::size_t>(index)] = color;
}

std::optional<Colorref> SystemColors::translate(Colorref oleColor) const
{
    if ((oleColor & 0xFF000000) == 0)
        return oleColor;
    if ((oleColor & 0xFFFFFF00) == kSystemColorFlag && (oleColor & 0xFF) < kCount)
        return color(static_cast<int>(oleColor & 0xFF));
    return std::nullopt;
}

std::optional<SystemColors>& SystemColors::pinned()
{
    static std::optional<SystemColors> table;
    return table;
}

PinnedSystemColors::PinnedSystemColors(const SystemColors& table) : previous_(SystemColors::pinned())
{
    SystemColors::pinned() = table;
}

PinnedSystemColors::~PinnedSystemColors()
{
    SystemColors::pinned() = previous_;
}

} // namespace platform

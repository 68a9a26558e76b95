// What cvbutton-render paints: one control's size, style, state and colours.
#pragma once

#include "platform/system_colors.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What to paint: one control, its size, style, state and colours.
struct RenderOptions {
    QString output;
    QSize size;
    int style = 0;
    int state = 1;
    bool focus = false;
    bool showFocus = false;
    bool displayAsDefault = false;
    // Back, highlight, font and font highlight colours, when the control uses its own colours.
    std::optional<std::array<platform::Colorref, 4>> customColors;
    std::optional<QString> caption;
    QString icon;
    int iconAlign = 1;
    int iconSize = 16;
    std::optional<platform::Colorref> maskColor;
    bool useMaskColor = false;
    bool check = false;
    bool value = false;
    int captionAlign = 0;
    bool rightToLeft = false;
    bool noThemes = false;
    // Pixels outside the window's shape written fully transparent.
    bool shape = false;
};

inline constexpr const char* kRenderUsage =
    "usage: cvbutton-render OUT.png --size WxH --style N [--state normal|hot|pressed|disabled|defaulted]\n"
    "       [--focus] [--show-focus] [--display-as-default] [--custom-colors BACK,HIGHLIGHT,FONT,FONTHIGHLIGHT]\n"
    "       [--caption TEXT] [--caption-align N] [--right-to-left] [--disabled] [--check [--value]]\n"
    "       [--icon PATH] [--icon-align N] [--icon-size N] [--mask-color #RRGGBB] [--use-mask-color]\n"
    "       [--no-themes] [--shape]      (colours as #RRGGBB; a .bmp icon is a bitmap)\n";

// The options of a command line without the program name; nothing, with the reason, when they do
// not describe one control.
std::optional<RenderOptions> parseRenderOptions(const QStringList& arguments, QString* error);

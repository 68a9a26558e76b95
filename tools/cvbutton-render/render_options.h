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
};

inline constexpr const char* kRenderUsage =
    "usage: cvbutton-render OUT.png --size WxH --style N [--state normal|hot|pressed|disabled|defaulted]\n"
    "       [--focus] [--show-focus] [--display-as-default] [--custom-colors BACK,HIGHLIGHT,FONT,FONTHIGHLIGHT]\n"
    "       [--caption TEXT]      (colours as #RRGGBB)\n";

// The options of a command line without the program name; nothing, with the reason, when they do
// not describe one control.
std::optional<RenderOptions> parseRenderOptions(const QStringList& arguments, QString* error);

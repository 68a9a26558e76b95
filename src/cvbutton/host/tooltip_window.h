// The tooltip window's interface: its styles, title icons, the tools it watches, and the text, title and
// colours it shows.
#pragma once

#include "cvbutton/host/message_hook.h"
#include "cvbutton/host/surface.h"

#include <QString>

#include <cstdint>

namespace cvbutton::host {

// Window styles of a tooltip window.
inline constexpr unsigned TTS_ALWAYSTIP = 0x01;
inline constexpr unsigned TTS_NOPREFIX = 0x02;
inline constexpr unsigned TTS_BALLOON = 0x40;

// The tool watches its window's mouse messages itself to decide when to pop up.
inline constexpr std::uint32_t TTF_SUBCLASS = 0x10;

// Title icons; other values are passed on unchanged and show no icon.
enum ToolTipTitleIcon : int {
    TTI_NONE = 0,
    TTI_INFO = 1,
    TTI_WARNING = 2,
    TTI_ERROR = 3,
};

// The one tool a control registers: the area of its window that shows the tip, and the text.
struct ToolInfo {
    std::uint32_t cbSize = 44;
    std::uint32_t uFlags = TTF_SUBCLASS;
    Window hwnd = nullptr;
    std::uint32_t uId = 0;
    Rect rect;
    QString lpszText;
};

// A tooltip window owned by a control's window: it pops up while the pointer rests over a tool
// and goes when the pointer moves off, clicks or leaves. Destroying the object destroys the window.
class ToolTipWindow {
public:
    virtual ~ToolTipWindow() = default;

    virtual bool addTool(const ToolInfo& tool) = 0;
    virtual bool deleteTool(const ToolInfo& tool) = 0;
    virtual bool setTitle(int icon, const QString& title) = 0;
    // Colours are plain RGB values, already translated.
    virtual void setTipTextColor(Colorref color) = 0;
    virtual void setTipBkColor(Colorref color) = 0;
};

} // namespace cvbutton::host

// The about panel's window, a hidden child of the control until About floats it, and its style bits.
#pragma once

#include "cvbutton/about_panel.h"
#include "cvbutton/about_panel_paint.h"
#include "cvbutton/host/surface.h"

#include <QWidget>

#include <cstdint>

namespace cvbutton {

// Window style bits, valued as the panel keeps them.
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t kFloatingFrame = WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX;

// m_About: a hidden child of the control until About floats it as a top-most window of its own.
// Pressing the mouse anywhere on it shows the Close button pressed; the click that follows hides it.
class AboutPanelWindow final : public QWidget, public AboutPanel {
public:
    explicit AboutPanelWindow(QWidget* control);

    void showFloating() override;
    void keepWindowStyle() override { AboutWindowStyle = windowStyle_; }

    std::uint32_t windowStyle() const { return windowStyle_; }
    const host::Surface& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static AboutPanelColors currentColors();
    void applyWindowStyle();

    std::uint32_t AboutWindowStyle = 0;
    std::uint32_t windowStyle_ = WS_CHILD | WS_CLIPSIBLINGS;
    host::Surface surface_;
    bool painted_ = false;
};

} // namespace cvbutton

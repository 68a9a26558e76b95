// The button control cvButton: its properties, methods, events and host events, the chief header of the
// control.
#pragma once

#include "cvbutton/button_runtime.h"
#include "cvbutton/button_types.h"
#include "cvbutton/event.h"
#include "cvbutton/host.h"
#include "cvbutton/host/surface.h"
#include "cvbutton/host/theme.h"
#include "cvbutton/icon_picture.h"
#include "platform/system_colors.h"
#include "platform/url_opener.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <memory>

namespace cvbutton {

class AboutPanel;
class PropertyBag;
namespace render {
struct FaceView;
}

using platform::Colorref;

// The owner-drawn button of the program's dialogs. It sees its container only through Host and
// draws only on the host's surface; the container delivers its events through HostedControl.
// Setters store the value, tell the host which property changed, then lay out or repaint. The
// stored properties are members here; what the control knows only while it runs is its runtime_,
// and the drawing itself is the functions of render/.
class cvButton final : public HostedControl {
public:
    explicit cvButton(Host& host,
                      std::shared_ptr<platform::UrlOpener> urlOpener = std::make_shared<platform::DesktopUrlOpener>());
    ~cvButton() override;
    cvButton(const cvButton&) = delete;
    cvButton& operator=(const cvButton&) = delete;

    // Raised to the form.
    Event Click;
    Event MouseEnter;
    Event MouseLeave;

    // Appearance and layout.
    int Style() const { return Style_; }
    void setStyle(int value);
    int NonThemeStyle() const { return NonThemeStyle_; }
    void setNonThemeStyle(int value);
    QString Caption() const { return Caption_; }
    void setCaption(const QString& value);
    int CaptionAlign() const { return CaptionAlign_; }
    void setCaptionAlign(int value);
    int IconAlign() const { return IconAlign_; }
    void setIconAlign(int value);
    IconPicture Icon() const { return Icon_; }
    void setIcon(const IconPicture& value);
    std::int16_t IconSize() const { return IconSize_; }
    void setIconSize(std::int16_t value);
    QFont Font() const;
    void setFont(const QFont& value);
    bool RightToLeft() const { return RightToLeft_ != 0; }
    void setRightToLeft(bool value);
    bool RoundedBordersByTheme() const { return RoundedBordersByTheme_; }
    void setRoundedBordersByTheme(bool value);

    // Colours.
    bool UseCustomColors() const { return UseCustomColors_; }
    void setUseCustomColors(bool value);
    Colorref BackColor() const { return BackColor_; }
    void setBackColor(Colorref value);
    Colorref HighlightColor() const { return HighlightColor_; }
    void setHighlightColor(Colorref value);
    Colorref FontColor() const { return FontColor_; }
    void setFontColor(Colorref value);
    Colorref FontHighlightColor() const { return FontHighlightColor_; }
    void setFontHighlightColor(Colorref value);
    Colorref MaskColor() const { return MaskColor_; }
    void setMaskColor(Colorref value);
    bool UseMaskColor() const { return UseMaskColor_; }
    void setUseMaskColor(bool value);

    // Behaviour. Reading Enabled repaints the control.
    bool Enabled();
    void setEnabled(bool value);
    bool ShowFocus() const { return ShowFocus_; }
    void setShowFocus(bool value);
    int ButtonType() const { return ButtonType_; }
    void setButtonType(int value);
    bool Value() const { return Value_; }
    void setValue(bool value);
    std::int16_t MousePointer() const;
    void setMousePointer(std::int16_t value);

    // Tooltip.
    QString ToolTipText() const { return ToolTipText_; }
    void setToolTipText(const QString& value);
    QString ToolTipTitle() const { return ToolTipTitle_; }
    void setToolTipTitle(const QString& value);
    int ToolTipIcon() const { return ToolTipIcon_; }
    void setToolTipIcon(int value);
    int ToolTipType() const { return ToolTipType_; }
    void setToolTipType(int value);
    Colorref ToolTipBackColor() const { return ToolTipBackColor_; }
    void setToolTipBackColor(Colorref value);
    Colorref ToolTipForeColor() const { return ToolTipForeColor_; }
    void setToolTipForeColor(Colorref value);

    QString Version() const;

    // Methods.
    void Refresh();
    void About();
    // Hands a web or mail address to the desktop; the result is above 32 when a handler took it.
    int OpenLink(const QString& sLink);
    bool PaintIconGrayscale(host::Surface* Dest_hDC, const IconPicture& hIcon, int Dest_X, int Dest_Y, int Dest_Height,
                            int Dest_Width);
    void setAboutPanel(AboutPanel* panel) { aboutPanel_ = panel; }
    // The window-message callback of the hook the control sets up in run mode.
    void zSubclass_Proc(bool bBefore, bool& bHandled, std::intptr_t& lReturn, host::Window& lng_hWnd, int& uMsg,
                        std::intptr_t& wParam, std::intptr_t& lParam);
    // The desktop's visual style, which the theme style draws with.
    void setTheme(std::shared_ptr<host::Theme> theme) { theme_ = std::move(theme); }
    // Gives the window the outline of the current style.
    void ApplyWindowShape();

    // The run-time state, for tests and the render tool to read; the render tool poses the control
    // through the three setters.
    const ButtonRuntime& runtime() const { return runtime_; }
    void setDrawState(int state) { runtime_.DrawState = state; }
    void setHasFocus(bool focused) { runtime_.HasFocus = focused; }
    void setIsShown(bool shown) { runtime_.IsShown = shown; }

    // Host events.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& PropBag) override;
    void WriteProperties(PropertyBag& PropBag) override;
    void UserControl_Show() override;
    void UserControl_Hide() override;
    void UserControl_Resize() override;
    void UserControl_Paint() override;
    void UserControl_AmbientChanged(const QString& PropertyName) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_EnterFocus() override;
    void UserControl_ExitFocus() override;
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_KeyDown(int KeyCode, int Shift) override;
    void UserControl_KeyUp(int KeyCode, int Shift) override;
    void UserControl_AccessKeyPress(int KeyAscii) override;
    void UserControl_Terminate() override;

private:
    void notifyAndRepaint(const QString& name);
    void notifyAndRelayout(const QString& name);
    void readAppearance(const PropertyBag& bag);
    void readColorsAndTooltip(const PropertyBag& bag);
    void readBehaviour(const PropertyBag& bag);
    // False when the form's handler failed or did away with the control: the raising handler
    // then ends at once.
    bool raise(const Event& event);
    void setupMouseTracking();
    void TrackMouseLeave(host::Window window);
    void CreateToolTip();
    void RemoveToolTip();
    void handBackToolTipText();
    void layOutCaption();
    void DrawCaption(const platform::SystemColors& colors);
    render::FaceView faceView(const platform::SystemColors& colors) const;
    void paintFace(host::Surface& surface, const platform::SystemColors& colors);
    void paintThemeFace(host::Surface& surface, const platform::SystemColors& colors);
    void paintIcon(host::Surface& surface);
    void paintIconAt(host::Surface& surface);
    void paintHotShadow(host::Surface& surface, int x, int y);

    Host& host_;
    std::shared_ptr<platform::UrlOpener> urlOpener_;
    std::shared_ptr<host::Theme> theme_ = std::make_shared<host::QtStyleTheme>();
    AboutPanel* aboutPanel_ = nullptr;

    IconPicture Icon_;
    int Style_ = 0;
    int NonThemeStyle_ = 0;
    QString Caption_;
    int CaptionAlign_ = 0;
    int IconAlign_ = 0;
    std::int16_t IconSize_ = 0;
    bool Enabled_ = false;
    bool ShowFocus_ = false;
    bool UseCustomColors_ = false;
    Colorref BackColor_ = 0;
    Colorref HighlightColor_ = 0;
    Colorref FontColor_ = 0;
    Colorref FontHighlightColor_ = 0;
    QString ToolTipText_;
    QString ToolTipTitle_;
    int ToolTipIcon_ = 0;
    int ToolTipType_ = 0;
    Colorref ToolTipBackColor_ = 0;
    Colorref ToolTipForeColor_ = 0;
    int ButtonType_ = 0;
    bool Value_ = false;
    Colorref MaskColor_ = 0;
    bool UseMaskColor_ = false;
    bool RoundedBordersByTheme_ = false;
    std::int32_t RightToLeft_ = 0;

    ButtonRuntime runtime_;
    std::unique_ptr<host::ToolTipWindow> toolTipWindow_;
    host::ToolInfo toolRecord_;
    bool toolTipTextTaken_ = false;
    // Expires with the control, so code that raised an event can tell it is gone.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

} // namespace cvbutton

#include "cvbutton/widget_host.h"

#include <QCursor>
#include <QPainter>

#include <array>
#include <cmath>

namespace cvbutton {
namespace {

// Pointer numbers as the control stores them, 0 being the window's default.
constexpr std::array<Qt::CursorShape, 16> kPointerShapes = {
    Qt::ArrowCursor,     Qt::ArrowCursor,     Qt::CrossCursor,   Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor,   Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor,   Qt::UpArrowCursor, Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,      Qt::WhatsThisCursor, Qt::SizeAllCursor,
};

} // namespace

WidgetHost::WidgetHost(const QString& name, QWidget* parent)
    : QWidget(parent), surface_(width(), height()), button_(std::make_unique<cvButton>(*this))
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

WidgetHost::~WidgetHost() = default;

void WidgetHost::setUserMode(bool userMode)
{
    userMode_ = userMode;
    button_->UserControl_AmbientChanged(QStringLiteral("UserMode"));
}

void WidgetHost::setDisplayAsDefault(bool displayAsDefault)
{
    displayAsDefault_ = displayAsDefault;
    button_->UserControl_AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

platform::Surface& WidgetHost::surface()
{
    update();
    return surface_;
}

void WidgetHost::setSizeTwips(int width, int height)
{
    const auto pixels = [](int twips) { return static_cast<int>(std::nearbyint(twips / double{kTwipsPerPixel})); };
    if (pixels(width) != this->width() || pixels(height) != this->height())
        resize(pixels(width), pixels(height));
}

void WidgetHost::setMousePointer(std::int16_t pointer)
{
    mousePointer_ = pointer;
    if (pointer > 0 && pointer < static_cast<int>(kPointerShapes.size()))
        setCursor(kPointerShapes[static_cast<std::size_t>(pointer)]);
    else
        unsetCursor();
}

void WidgetHost::sendKeys(const QString& keys)
{
    if (keys == QLatin1String("{TAB}"))
        focusNextPrevChild(true);
    else if (keys == QLatin1String("+{TAB}"))
        focusNextPrevChild(false);
}

void WidgetHost::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.image());
}

void WidgetHost::resizeEvent(QResizeEvent*)
{
    surface_.resize(width(), height());
    button_->UserControl_Resize();
}

void WidgetHost::showEvent(QShowEvent*)
{
    button_->UserControl_Show();
}

void WidgetHost::hideEvent(QHideEvent*)
{
    button_->UserControl_Hide();
}

void WidgetHost::focusInEvent(QFocusEvent*)
{
    button_->UserControl_EnterFocus();
    button_->UserControl_GotFocus();
}

void WidgetHost::focusOutEvent(QFocusEvent*)
{
    button_->UserControl_LostFocus();
    button_->UserControl_ExitFocus();
}

} // namespace cvbutton

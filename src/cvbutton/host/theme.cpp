// The desktop theme's push-button faces, drawn by the current Qt style, and the shape read from the drawn
// face's coverage; and the stand-in that reports no visual styles.
#include "cvbutton/host/theme.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <vector>

namespace cvbutton::host {
namespace {

constexpr int kPushButtonPart = 1;
constexpr int kNormal = 1;
constexpr int kHot = 2;
constexpr int kPressed = 3;
constexpr int kDisabled = 4;
constexpr int kDefaulted = 5;

QStyleOptionButton optionFor(int stateId, const QSize& size)
{
    QStyleOptionButton option;
    option.rect = QRect(QPoint(0, 0), size);
    option.palette = QApplication::palette();
    option.state = QStyle::State_Raised;
    if (stateId != kDisabled)
        option.state |= QStyle::State_Enabled;
    if (stateId == kHot)
        option.state |= QStyle::State_MouseOver;
    if (stateId == kPressed)
        option.state = (option.state & ~QStyle::State_Raised) | QStyle::State_Sunken;
    if (stateId == kDefaulted) {
        option.state |= QStyle::State_HasFocus;
        option.features |= QStyleOptionButton::DefaultButton;
    }
    return option;
}

// The part on a transparent image of the rectangle's size.
QImage drawnPart(int stateId, const Rect& rect)
{
    const QSize size(rect.right - rect.left, rect.bottom - rect.top);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QStyle* style = QApplication::style();
    if (style == nullptr)
        return {};
    QPainter painter(&image);
    const QStyleOptionButton option = optionFor(stateId, size);
    style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter);
    return image;
}

bool knownPart(int partId, int stateId)
{
    return partId == kPushButtonPart && stateId >= kNormal && stateId <= kDefaulted;
}

class StyledButtonData final : public ThemeData {
public:
    bool drawBackground(Surface& surface, int partId, int stateId, const Rect& rect, const Rect& clip) override
    {
        if (!knownPart(partId, stateId) || rect.right <= rect.left || rect.bottom <= rect.top)
            return false;
        QImage part = drawnPart(stateId, rect);
        if (part.isNull())
            return false;
        const QRect kept = QRect(QPoint(clip.left, clip.top), QPoint(clip.right - 1, clip.bottom - 1))
                               .translated(-rect.left, -rect.top);
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                if (!kept.contains(x, y))
                    part.setPixel(x, y, 0);
        surface.drawImage(part, rect);
        return true;
    }

    // The pixels the style covers at all.
    Region backgroundRegion(int partId, int stateId, const Rect& rect) override
    {
        if (!knownPart(partId, stateId) || rect.right <= rect.left || rect.bottom <= rect.top)
            return {};
        const QImage part = drawnPart(stateId, rect);
        Region outline;
        for (int y = 0; y < part.height(); ++y) {
            int x = 0;
            while (x < part.width()) {
                if (qAlpha(part.pixel(x, y)) == 0) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < part.width() && qAlpha(part.pixel(x, y)) != 0)
                    ++x;
                outline =
                    outline.united(Region::rectangle(rect.left + start, rect.top + y, rect.left + x, rect.top + y + 1));
            }
        }
        return outline;
    }
};

} // namespace

std::unique_ptr<ThemeData> QtStyleTheme::open(const QString& classList)
{
    if (classList != QLatin1String("Button") || QApplication::style() == nullptr)
        return nullptr;
    return std::make_unique<StyledButtonData>();
}

} // namespace cvbutton::host

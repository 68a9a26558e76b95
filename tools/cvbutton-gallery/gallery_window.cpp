// The gallery window: a row of live buttons per style, the event line and the About button.
#include "gallery_window.h"

#include "gallery_controls.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace gallery {
namespace {

constexpr int kStyles = 11;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 30;

} // namespace

GalleryWindow::GalleryWindow(std::function<void(const QString&)> eventSink) : eventSink_(std::move(eventSink))
{
    setWindowTitle(QStringLiteral("cvButton gallery"));
    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    const std::array columns = {Column::Push, Column::Check, Column::Disabled, Column::Icon};
    for (int style = 0; style < kStyles; ++style) {
        grid->addWidget(new QLabel(QStringLiteral("Style %1").arg(style)), style, 0);
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const QString name = controlName(style, columns[column]);
            grid->addWidget(addControl(name, controlProperties(style, columns[column])), style,
                            static_cast<int>(column) + 1);
        }
    }
    cvbutton::PropertyBag aboutProperties;
    aboutProperties.write(QStringLiteral("Caption"), QStringLiteral("&About..."));
    aboutProperties.write(QStringLiteral("Style"), 0);
    cvbutton::WidgetHost* about = addControl(QStringLiteral("about"), aboutProperties);
    cvbutton::cvButton& firstButton = controls_.front()->button();
    about->button().Click.connect([&firstButton] { firstButton.About(); });

    eventLine_ = new QLabel(QStringLiteral("Events appear here."));
    eventLine_->setObjectName(QStringLiteral("eventLine"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(eventLine_, 1);
    bottom->addWidget(about);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
}

cvbutton::WidgetHost* GalleryWindow::addControl(const QString& name, const cvbutton::PropertyBag& properties)
{
    auto* host = new cvbutton::WidgetHost(name, this);
    host->setFixedSize(kButtonWidth, kButtonHeight);
    host->button().ReadProperties(properties);
    host->button().Click.connect([this, name] { report(QStringLiteral("Click"), name); });
    host->button().MouseEnter.connect([this, name] { report(QStringLiteral("MouseEnter"), name); });
    host->button().MouseLeave.connect([this, name] { report(QStringLiteral("MouseLeave"), name); });
    controls_.push_back(host);
    return host;
}

void GalleryWindow::report(const QString& event, const QString& name)
{
    const QString line = event + QLatin1Char(' ') + name;
    eventLine_->setText(line);
    if (eventSink_)
        eventSink_(line);
}

} // namespace gallery

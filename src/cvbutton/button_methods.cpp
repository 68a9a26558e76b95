// The control's public methods.
#include "cvbutton/about_panel.h"
#include "cvbutton/cvbutton.h"

#include <QUrl>

namespace cvbutton {
namespace {

// Results in the manner of the shell call the method stands for: above 32 means the address was
// taken by a handler.
constexpr int kOpened = 33;
constexpr int kRefused = 5;
constexpr int kNoHandler = 31;

// Only web and mail addresses go to the desktop: handing it a local path or another scheme could
// start a program the caller never meant to run.
bool isWebOrMailAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"));
}

} // namespace

QString cvButton::Version() const
{
    return QStringLiteral("3.6.2");
}

void cvButton::About()
{
    if (aboutPanel_ != nullptr)
        aboutPanel_->showFloating();
}

int cvButton::OpenLink(const QString& sLink)
{
    const QUrl url = QUrl::fromUserInput(sLink);
    if (!isWebOrMailAddress(url))
        return kRefused;
    return urlOpener_->open(url.toString()) ? kOpened : kNoHandler;
}

} // namespace cvbutton

// The About window's layout, fonts, links and buttons.
#include "dialogs/about_window.h"

#include "cvbutton/render/contrast.h"
#include "cvbutton/widget_host.h"
#include "dialogs/about_text.h"
#include "dialogs/clickable_label.h"
#include "dialogs/fixed_form.h"
#include "dialogs/form_fonts.h"
#include "dialogs/stored_buttons.h"
#include "forms/twips.h"
#include "platform/url_opener.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>

namespace dialogs {

using forms::placeInTwips;

namespace {

QFont labelFont()
{
    return formFont("MS Sans Serif", 9.75);
}

QFont boxFont()
{
    return formFont("MS Sans Serif", 8.25);
}

// The link is blue; on a dark window a lighter blue, so that it still reads.
QColor linkColorOn(const QColor& window)
{
    using namespace cvbutton::render;
    const Colorref ground = platform::fromQRgb(window.rgb());
    return QColor(platform::toQRgb(ReadableOn(ground, platform::rgb(0, 0, 255), kTextContrast)));
}

} // namespace

AboutWindow::AboutWindow(std::shared_ptr<platform::UrlOpener> links) : links_(std::move(links))
{
    setObjectName(QStringLiteral("Form1"));
    setUpFixedForm(*this, QStringLiteral("About Corvane "), 6705, 3240);
    setFont(labelFont());
    buildHeadingAndLinks();
    buildContactAndLogos();
    buildTextAndButton();
    connectHandlers();
}

QLabel* AboutWindow::addLabel(const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(label, left, top, width, height);
    return label;
}

void AboutWindow::buildHeadingAndLinks()
{
    addLabel("Label1", QStringLiteral("Corvane 1.0"), 600, 360, 2895, 615)->setFont(formFont("Arial", 9.75, true));

    label3_ = new ClickableLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setText(QString::fromLatin1(about::kWebSiteText));
    label3_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3_->setFont(formFont("Microsoft Sans Serif", 9.75));
    QPalette link = label3_->palette();
    link.setColor(QPalette::WindowText, linkColorOn(link.color(QPalette::Window)));
    label3_->setPalette(link);
    placeInTwips(label3_, 1320, 840, 2535, 375);

    addLabel("Label5", QStringLiteral("Web site:"), 360, 840, 855, 375);
}

void AboutWindow::buildContactAndLogos()
{
    addLabel("Label4", QStringLiteral("Email:"), 360, 1440, 735, 495);

    text2_ = new QLineEdit(QString::fromLatin1(about::kContactAddress), this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setReadOnly(true);
    text2_->setFrame(false);
    text2_->setFont(boxFont());
    QPalette face = text2_->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    text2_->setPalette(face);
    placeInTwips(text2_, 1080, 1440, 2535, 375);

    addLabel("Label6", QStringLiteral("Twitter:"), 360, 2160, 735, 255);
    image2_ = addLogo("Image2", QStringLiteral(":/dialogs/short_news_logo.png"), 1200, 2040, 855, 450);
    addLabel("Label7", QStringLiteral("Facebook:"), 2520, 2160, 975, 375);
    image1_ = addLogo("Image1", QStringLiteral(":/dialogs/community_logo.png"), 3720, 2040, 735, 450);
}

ClickableLabel* AboutWindow::addLogo(const char* name, const QString& resource, int left, int top, int width,
                                     int height)
{
    auto* logo = new ClickableLabel(this);
    logo->setObjectName(QString::fromLatin1(name));
    logo->setPixmap(QPixmap(resource));
    logo->setScaledContents(true);
    placeInTwips(logo, left, top, width, height);
    return logo;
}

void AboutWindow::buildTextAndButton()
{
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setFont(boxFont());
    text1_->setPlainText(about::helpText());
    placeInTwips(text1_, 3720, 240, 2775, 1695);

    const std::vector<cvbutton::PropertySet> buttons =
        loadFormButtons(QStringLiteral(":/dialogs/about_window.properties"));
    cvButton1_ = addStoredButton(*this, buttons, QStringLiteral("cvButton1"), 5520, 2760, 1095, 375);
    cvButton1_->setDisplayAsDefault(true);

    addLabel("Label2", QString::fromLatin1(about::kNotice), 120, 2760, 5175, 375);
    setTabOrder(text1_, cvButton1_);
    setTabOrder(cvButton1_, text2_);
    text1_->setFocus();
}

void AboutWindow::connectHandlers()
{
    connect(label3_, &ClickableLabel::clicked, this, &AboutWindow::Label3_Click);
    connect(image2_, &ClickableLabel::clicked, this, &AboutWindow::Image2_Click);
    connect(image1_, &ClickableLabel::clicked, this, &AboutWindow::Image1_Click);
    cvButton1_->button().Click.connect([this] { cvButton1_Click(); });
    onKeys(*this, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}, [this] { cvButton1_Click(); });
}

void AboutWindow::openLink(const char* address)
{
    links_->open(QString::fromLatin1(address));
}

void AboutWindow::Label3_Click()
{
    openLink(about::kWebSiteAddress);
}

void AboutWindow::Image2_Click()
{
    openLink(about::kShortNewsAddress);
}

void AboutWindow::Image1_Click()
{
    openLink(about::kCommunityAddress);
}

void AboutWindow::cvButton1_Click()
{
    close();
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFrameRectangle(painter, QRect(120, 120, 6600 - 120, 2640 - 120));
}

} // namespace dialogs

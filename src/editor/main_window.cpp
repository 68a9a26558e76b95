// The main window's controls, their places in twips, the tab order, the wiring and the frame.
#include "editor/main_window.h"

#include "cvbutton/render/contrast.h"
#include "editor/button_pictures.h"
#include "editor/comment_box.h"
#include "editor/picture_button.h"
#include "forms/twips.h"
#include "picture/picture.h"
#include "picture/picture_preparer.h"
#include "platform/system_colors.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

namespace editor {

using forms::placeInTwips;
using forms::twipsToPixels;

namespace {

// The open frame round the work area, in twips, with its gap where the heading stands.
struct FrameLine {
    int x1, y1, x2, y2;
};
constexpr FrameLine kFrame[] = {
    {120, 480, 120, 8400},     {120, 480, 240, 480},     {3000, 480, 11040, 480},
    {11040, 480, 11040, 8400}, {120, 8400, 11040, 8400},
};

// Every picture is shown fitted on white.
picture::PicturePtr fitOnWhite(const QString& path, QSize box)
{
    return picture::loadFitted(path, box, 0xFFFFFF);
}

// The picture area's frame is drawn in the window's text colour; a dark desktop's light text colour
// would vanish against the white a picture is fitted on, so there the frame is darkened until it
// shows.
QPalette frameSeenOnWhite(QPalette palette)
{
    using namespace cvbutton::render;
    const platform::Colorref frame = platform::fromQRgb(palette.color(QPalette::WindowText).rgb());
    palette.setColor(QPalette::WindowText,
                     QColor(platform::toQRgb(ReadableOn(platform::rgb(255, 255, 255), frame, kGraphicContrast))));
    return palette;
}

} // namespace

Corvane::Corvane(EditorServices services, QWidget* parent)
    : QWidget(parent), services_(services), session_(services.files, services.comments),
      handOvers_([this](const QString& path) { openAfterCloseCheck(path); }, [this] { return commandsRunning_ > 0; }),
      preparer_(std::make_unique<picture::PicturePreparer>(fitOnWhite))
{
    setObjectName(QStringLiteral("Corvane"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setWindowIcon(applicationIcon());
    setFixedSize(twipsToPixels(11250), twipsToPixels(8520));
    // The layout is fixed in pixels; a small face keeps every caption inside its control and the
    // heading inside the gap of the frame's top line.
    QFont designFont = font();
    designFont.setPointSizeF(7.5);
    setFont(designFont);
    buildControls();
    orderTabs();
    connectHandlers();
    bindCommandKeys();
    watchPictureDoubleClicks();
    acceptPictureDrops();
}

Corvane::~Corvane()
{
    closeDialogWindows();
}

void Corvane::buildControls()
{
    label1_ = new QLabel(tr("ADD/MODIFY PHOTO COMMENTS"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(label1_, 360, 360, 2655, 495);

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    placeInTwips(text1_, 360, 960, 8895, 495);

    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setFrameShape(QFrame::Box);
    picture1_->setPalette(frameSeenOnWhite(picture1_->palette()));
    picture1_->setAlignment(Qt::AlignCenter);
    picture1_->setFocusPolicy(Qt::TabFocus);
    // Until the first picture takes its place, the empty area says how to begin.
    picture1_->setText(tr("Open File (Ctrl+O) chooses a picture, or drop one on the window."));
    placeInTwips(picture1_, 360, 1560, 8895, 2895);

    text2_ = new CommentBox(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    placeInTwips(text2_, 360, 4560, 8895, 2775);

    option1_ = new QRadioButton(tr("Photo Comments"), this);
    option1_->setObjectName(QStringLiteral("Option1"));
    option1_->setChecked(true);
    placeInTwips(option1_, 360, 7440, 1695, 375);

    option2_ = new QRadioButton(tr("Windows Comments"), this);
    option2_->setObjectName(QStringLiteral("Option2"));
    placeInTwips(option2_, 360, 7920, 1935, 375);

    command_[1] = addCommand("Command1", tr("Open File"), 9480, 840);
    command_[2] = addCommand("Command2", tr("Next File"), 9480, 1800);
    command_[3] = addCommand("Command3", tr("Previous File"), 9480, 2640);
    command_[4] = addCommand("Command4", tr("Copy File"), 9480, 3600);
    command_[5] = addCommand("Command5", tr("Save Comments"), 9480, 4560);
    command_[10] = addCommand("Command10", tr("Font"), 9480, 5520);
    command_[7] = addCommand("Command7", tr("Close"), 9480, 6480);
    command_[6] = addCommand("Command6", tr("About"), 5160, 7440);
    command_[8] = addCommand("Command8", tr("Delete File"), 6600, 7440);
    command_[9] = addCommand("Command9", tr("Rename File"), 8040, 7440);
}

PictureButton* Corvane::addCommand(const char* name, const QString& caption, int left, int top)
{
    auto* button =
        new PictureButton(caption, buttonPicture(QString::fromLatin1(name), palette().color(QPalette::Button)), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    placeInTwips(button, left, top, 1215, 735);
    return button;
}

// The tab order of the window: path box, Open, comment box, the commands down the right side, and
// so on, as the numbers of the layout give it.
void Corvane::orderTabs()
{
    const QList<QWidget*> order = {text1_,      command_[1], text2_,      command_[2], command_[3],
                                   command_[4], command_[5], command_[6], command_[7], picture1_,
                                   option1_,    option2_,    command_[8], command_[9], command_[10]};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Corvane::connectHandlers()
{
    connect(text1_, &QLineEdit::textChanged, this, &Corvane::Text1_Change);
    const std::pair<int, void (Corvane::*)()> commands[] = {
        {1, &Corvane::Command1_Click},  {2, &Corvane::Command2_Click}, {3, &Corvane::Command3_Click},
        {4, &Corvane::Command4_Click},  {5, &Corvane::Command5_Click}, {6, &Corvane::Command6_Click},
        {7, &Corvane::Command7_Click},  {8, &Corvane::Command8_Click}, {9, &Corvane::Command9_Click},
        {10, &Corvane::Command10_Click}};
    for (const auto& [number, handler] : commands)
        connect(command_[number], &QPushButton::clicked, this,
                [this, handler] { runCommand([&] { (this->*handler)(); }); });
    // Only a change of kind reloads the box: clicking the kind already chosen keeps the typing. Back
    // at photo comments, typing goes into the box again, not to the option button just clicked.
    connect(option1_, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen)
            runCommand([this] {
                Option1_Click();
                readyForTyping();
            });
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen)
            runCommand([this] { switchToWindowsComments(); });
    });
    connect(text2_, &QPlainTextEdit::textChanged, this, &Corvane::Text2_Change);
}

// While a command runs, its questions and dialogs let other events in; a picture handed over then
// waits for the command to finish, so it never lands in the middle of what the user is answering.
void Corvane::runCommand(const std::function<void()>& command)
{
    ++commandsRunning_;
    command();
    if (--commandsRunning_ == 0 && handOvers_.waiting())
        QMetaObject::invokeMethod(
            this, [this] { handOvers_.resume(); }, Qt::QueuedConnection);
}

void Corvane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const platform::Colorref frame = platform::SystemColors::current().color(platform::COLOR_INACTIVECAPTION);
    painter.setPen(QPen(QColor::fromRgb(platform::toQRgb(frame)), 1));
    for (const FrameLine& line : kFrame) {
        painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1), twipsToPixels(line.x2),
                         twipsToPixels(line.y2));
    }
}

void Corvane::bringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    // A question the window is waiting on stays in front of it, where the user can answer it.
    if (QWidget* question = QApplication::activeModalWidget()) {
        question->raise();
        question->activateWindow();
    }
}

} // namespace editor

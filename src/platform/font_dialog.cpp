// The font chooser with effects: the toolkit's font panel beside the list of sixteen text colours, and the
// choice it hands back.
#include "platform/font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

constexpr NamedColor kTextColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

QIcon swatch(QRgb rgb)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(QColor::fromRgb(rgb));
    return QIcon(pixmap);
}

bool isConfirmKey(const QKeyEvent& event)
{
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

// The toolkit's font panel as a part of our dialog. What would end the panel on its own (Return in
// its lists, Escape) ends the whole dialog instead of hiding the panel inside it.
class FontPanel final : public QFontDialog {
public:
    explicit FontPanel(QDialog& owner) : QFontDialog(&owner), owner_(owner) {}

    void done(int result) override { owner_.done(result); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (isConfirmKey(*event)) {
            accept();
            return;
        }
        QFontDialog::keyPressEvent(event);
    }

private:
    QDialog& owner_;
};

} // namespace

FontDialog::FontDialog(const FontChoice& start, QWidget* parent)
    : QDialog(parent), start_(start), fontPanel_(new FontPanel(*this)), colorList_(new QComboBox(this))
{
    setWindowTitle(tr("Font"));
    fontPanel_->setWindowFlags(Qt::Widget);
    // Our own panel, never the desktop's dialog that a platform theme may put up beside this one.
    fontPanel_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);

    for (const NamedColor& entry : kTextColors)
        colorList_->addItem(swatch(entry.rgb), tr(entry.name), QColor::fromRgb(entry.rgb));
    selectColor(start.color);
    fontPanel_->setCurrentFont(start.font);
    shownFont_ = fontPanel_->currentFont();

    auto* colorRow = new QFormLayout;
    colorRow->addRow(tr("&Color:"), colorList_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontPanel_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

// A colour outside the list, such as a dark theme's text colour, gets an entry of its own, so OK
// keeps it.
void FontDialog::selectColor(const QColor& color)
{
    int index = colorList_->findData(color);
    if (index < 0) {
        colorList_->addItem(swatch(color.rgb()), tr("Custom"), color);
        index = colorList_->count() - 1;
    }
    colorList_->setCurrentIndex(index);
}

FontChoice FontDialog::choice() const
{
    const QFont font = fontPanel_->currentFont();
    return {font == shownFont_ ? start_.font : font, colorList_->currentData().value<QColor>()};
}

} // namespace platform

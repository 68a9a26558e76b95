#include "platform/font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace platform {

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

constexpr NamedColor kTextColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000}, {"Green", 0x008000},   {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080}, {"Teal", 0x008080},    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},    {"Lime", 0x00FF00},    {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},   {"White", 0xFFFFFF},
};

QIcon swatch(QRgb rgb)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(QColor::fromRgb(rgb));
    return QIcon(pixmap);
}

} // namespace

FontDialog::FontDialog(QWidget* parent)
    : QDialog(parent), fontPanel_(new QFontDialog(this)), colorList_(new QComboBox(this))
{
    setWindowTitle(tr("Font"));
    fontPanel_->setWindowFlags(Qt::Widget);
    // Our own panel, never the desktop's dialog that a platform theme may put up beside this one.
    fontPanel_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);

    for (const NamedColor& entry : kTextColors)
        colorList_->addItem(swatch(entry.rgb), tr(entry.name), QColor::fromRgb(entry.rgb));

    auto* colorRow = new QFormLayout;
    colorRow->addRow(tr("&Color:"), colorList_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontPanel_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

FontChoice FontDialog::choice() const
{
    return {fontPanel_->currentFont(), colorList_->currentData().value<QColor>()};
}

} // namespace platform

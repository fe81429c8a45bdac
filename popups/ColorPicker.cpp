#include "popups/ColorPicker.h"

#include "popups/ColorSelectButton.h"

#include "ui_ColorPicker.h"

#include <QColorDialog>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
constexpr int kPreviewSide = 24;

QString hexName(const QColor &color)
{
    return color.name(QColor::HexRgb).toLower();
}
} // namespace

ColorPicker::ColorPicker(QWidget *parent)
    : Popup(parent), ui_(new Ui::ColorPicker), dialog_(new QColorDialog(this))
{
    ui_->setupUi(this);
    dialog_->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
    dialog_->setWindowFlags(Qt::Widget);
    dialog_->hide();
    embedDialogParts();

    ui_->preview_->setFixedSize(kPreviewSide, kPreviewSide);
    ui_->hexEdit_->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("^#(?:[0-9a-fA-F]{3}){1,2}$")), ui_->hexEdit_));

    connect(ui_->hexEdit_, &QLineEdit::textEdited, this, &ColorPicker::onHexEditChanged);
    connect(dialog_, &QColorDialog::currentColorChanged, this, &ColorPicker::onColorSelected);
    connect(ui_->okBtn_, &QPushButton::clicked, this, &Popup::triggered);
    connect(ui_->cancelBtn_, &QPushButton::clicked, this, &Popup::canceled);
    connect(this, &Popup::triggered, this, [this] { emit colorSelected(currentColor()); });

    prepareControls();
    setColor(Qt::white);
}

ColorPicker::~ColorPicker() = default;

void ColorPicker::embedDialogParts()
{
    // Only the colour field and the luminance bar of the toolkit's dialog are wanted;
    // they keep their connections to the dialog when they move into this panel.
    const auto parts = dialog_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const char *name : {"QColorPicker", "QColorLuminancePicker"}) {
        for (QWidget *part : parts) {
            if (QByteArray(part->metaObject()->className()).endsWith(name))
                ui_->colorDialogLayout_->addWidget(part);
        }
    }
}

QColor ColorPicker::currentColor() const
{
    // Plain 8-bit RGB, the precision of the store.
    return QColor::fromRgba(dialog_->currentColor().rgba());
}

void ColorPicker::setColor(const QColor &color)
{
    if (!color.isValid() || color.alpha() != 255)
        return;
    dialog_->setCurrentColor(color);
    onColorSelected(color);
}

void ColorPicker::onHexEditChanged(const QString &text)
{
    if (ui_->hexEdit_->hasAcceptableInput())
        dialog_->setCurrentColor(QColor(text));
}

void ColorPicker::onColorSelected(const QColor &color)
{
    ui_->preview_->setPixmap(ColorSelectButton::swatch(color, ui_->preview_->size()));
    // While "#abc" is being typed it already means #aabbcc; rewriting it would move the
    // caret under the user's fingers.
    if (QColor(ui_->hexEdit_->text()) != color)
        ui_->hexEdit_->setText(hexName(color));
}

#include "popups/TextPopup.h"

#include "popups/ColorPalettes.h"
#include "popups/ColorSelectPopup.h"
#include "preferences/KestrelPreferences.h"
#include "widgets/Menu.h"

#include "ui_TextPopup.h"

namespace {
const QVector<int> kFontSizes = {7, 8, 9, 10, 12, 14, 16, 18, 24, 30, 36, 48, 60, 72, 96, 100};
constexpr int kDefaultFontSize = 16;
const QColor kDefaultColor(0, 0, 0);
} // namespace

TextPopup::TextPopup(QWidget *parent)
    : Popup(parent), ui_(new Ui::TextPopup), palette_(new ColorSelectPopup)
{
    ui_->setupUi(this);
    for (int size : kFontSizes)
        ui_->fontSizeCbo_->addItem(QString::number(size));
    ui_->fontSizeCbo_->setCurrentText(QString::number(kDefaultFontSize));
    ui_->colorSelectBtn_->setCheckable(false);
    ui_->colorSelectBtn_->setColor(kDefaultColor);
    for (QPushButton *button : {ui_->boldBtn_, ui_->italicBtn_, ui_->underlineBtn_})
        button->setCheckable(true);
    refreshPalette();
    palette_->setColor(kDefaultColor);

    // Only the user's choices are stored: restoring from the store moves the same
    // controls without passing through here.
    connect(ui_->fontSizeCbo_, qOverload<int>(&QComboBox::activated), this,
            &TextPopup::onSizeChosen);
    connect(palette_, &ColorSelectPopup::colorSelected, this, &TextPopup::onColorChosen);
    for (QPushButton *button : {ui_->boldBtn_, ui_->italicBtn_, ui_->underlineBtn_})
        connect(button, &QPushButton::clicked, this, &TextPopup::onFormatChosen);

    prepareControls();
}

TextPopup::~TextPopup() = default;

int TextPopup::fontSize() const
{
    return ui_->fontSizeCbo_->currentText().toInt();
}

int TextPopup::format() const
{
    return (ui_->boldBtn_->isChecked() ? Bold : 0) | (ui_->italicBtn_->isChecked() ? Italic : 0)
            | (ui_->underlineBtn_->isChecked() ? Underline : 0);
}

QColor TextPopup::color() const
{
    return ui_->colorSelectBtn_->color();
}

void TextPopup::refreshPalette()
{
    palette_->setBasicColors(ColorPalettes::penAndText());
    ui_->colorSelectBtn_->setMenu(palette_->attachMenu(ui_->colorSelectBtn_));
}

void TextPopup::setPreferences(KestrelPreferences *preferences)
{
    preferences_ = preferences;
    if (!preferences)
        return;
    const int size = nearestChoice(
            kFontSizes, preferences->getInt(KestrelPreferences::TextSize, kDefaultFontSize));
    ui_->fontSizeCbo_->setCurrentText(QString::number(size));
    palette_->setCustomColorPath(KestrelPreferences::kTextCustomColorPath, preferences);
    const QColor color = preferences->getColor(KestrelPreferences::TextColor, kDefaultColor);
    palette_->setColor(color);
    ui_->colorSelectBtn_->setColor(color);
    const int style = preferences->getInt(KestrelPreferences::TextStyle, 0);
    ui_->boldBtn_->setChecked(style & Bold);
    ui_->italicBtn_->setChecked(style & Italic);
    ui_->underlineBtn_->setChecked(style & Underline);
}

void TextPopup::announceFont()
{
    emit fontChanged(fontSize(), color(), format());
}

void TextPopup::onSizeChosen()
{
    if (preferences_)
        preferences_->setInt(KestrelPreferences::TextSize, fontSize());
    announceFont();
}

void TextPopup::onColorChosen(const QColor &color)
{
    ui_->colorSelectBtn_->setColor(color);
    if (preferences_)
        preferences_->setColor(KestrelPreferences::TextColor, color);
    announceFont();
}

void TextPopup::onFormatChosen()
{
    if (preferences_)
        preferences_->setInt(KestrelPreferences::TextStyle, format());
    announceFont();
}

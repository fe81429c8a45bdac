#include "popups/ColorSelectPopup.h"

#include "popups/ColorPicker.h"
#include "popups/ColorSelectButton.h"
#include "preferences/KestrelPreferences.h"
#include "widgets/Menu.h"

#include "ui_ColorSelectPopup.h"

#include <QButtonGroup>

namespace {
constexpr int kColumns = 5;

// Colours compare by their notation as well as their value; all colours here are kept as
// plain 8-bit RGB so that a colour read back from the store equals the one stored.
QColor plain(const QColor &color)
{
    return color.isValid() ? QColor::fromRgba(color.rgba()) : QColor();
}
} // namespace

ColorSelectPopup::ColorSelectPopup(QWidget *parent)
    : Popup(parent), ui_(new Ui::ColorSelectPopup), colorButtons_(new QButtonGroup(this)),
      picker_(new ColorPicker)
{
    ui_->setupUi(this);
    colorButtons_->setExclusive(true);
    for (int i = 0; i < kCustomColorCount; ++i) {
        auto *swatch = new ColorSelectButton(this);
        swatch->setObjectName(QStringLiteral("customColor%1").arg(i));
        swatch->hide();
        ui_->customColors_->addWidget(swatch);
        colorButtons_->addButton(swatch);
        customSlots_ << swatch;
    }
    for (int i = 0; i < kBasicColorCount; ++i) {
        auto *swatch = new ColorSelectButton(this);
        swatch->setObjectName(QStringLiteral("basicColor%1").arg(i));
        ui_->basicColors_->addWidget(swatch, i / kColumns, i % kColumns);
        colorButtons_->addButton(swatch);
        basicSwatches_ << swatch;
    }
    Menu *mixer = picker_->attachMenu(ui_->colorPickerBtn_);
    ui_->colorPickerBtn_->setMenu(mixer);
    // The mixer starts from the current colour (the picker refuses translucent ones).
    connect(mixer, &QMenu::aboutToShow, this, [this] { picker_->setColor(color_); });

    connect(colorButtons_, qOverload<QAbstractButton *>(&QButtonGroup::buttonClicked), this,
            &ColorSelectPopup::onSwatchClicked);
    connect(this, &Popup::triggered, this, [this] {
        if (color_.isValid())
            emit colorSelected(color_);
    });
    // The mixer's closed and canceled stay unconnected: leaving it with Escape or Cancel
    // goes back to the palette and chooses nothing.
    connect(picker_, &ColorPicker::colorSelected, this, &ColorSelectPopup::addCustomColor);

    prepareControls();
}

ColorSelectPopup::~ColorSelectPopup() = default;

void ColorSelectPopup::onSwatchClicked(QAbstractButton *button)
{
    color_ = static_cast<ColorSelectButton *>(button)->color();
    emit triggered();
}

void ColorSelectPopup::setBasicColors(const QList<QColor> &colors)
{
    const int count = qMin(colors.size(), int(kBasicColorCount));
    for (int i = 0; i < count; ++i)
        basicSwatches_[i]->setColor(plain(colors[i]));
}

void ColorSelectPopup::setCustomColorPath(const QString &path, KestrelPreferences *preferences)
{
    customColorPath_ = path;
    preferences_ = preferences;
    QList<QColor> stored;
    if (preferences)
        preferences->customColors(path, stored);
    // A list edited by hand may hold nonsense: unusable entries and repeats are skipped.
    customColors_.clear();
    for (const QColor &entry : qAsConst(stored)) {
        const QColor color = plain(entry);
        if (color.isValid() && !customColors_.contains(color)
            && customColors_.size() < kCustomColorCount)
            customColors_ << color;
    }
    showCustomColors();
}

void ColorSelectPopup::showCustomColors()
{
    for (int i = 0; i < kCustomColorCount; ++i) {
        ColorSelectButton *slot = customSlots_[i];
        const bool used = i < customColors_.size();
        if (!used && slot->isChecked())
            checkSwatch(nullptr);
        slot->setColor(used ? customColors_[i] : QColor());
        slot->setVisible(used);
    }
}

void ColorSelectPopup::checkSwatch(ColorSelectButton *swatch)
{
    if (swatch) {
        swatch->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go.
    colorButtons_->setExclusive(false);
    const auto buttons = colorButtons_->buttons();
    for (QAbstractButton *button : buttons)
        button->setChecked(false);
    colorButtons_->setExclusive(true);
}

void ColorSelectPopup::setColor(const QColor &wanted)
{
    const QColor color = plain(wanted);
    if (!color.isValid())
        return;
    color_ = color;
    for (int i = 0; i < customColors_.size(); ++i) {
        if (customColors_[i] == color) {
            checkSwatch(customSlots_[i]);
            return;
        }
    }
    for (ColorSelectButton *swatch : qAsConst(basicSwatches_)) {
        if (swatch->color() == color) {
            checkSwatch(swatch);
            return;
        }
    }
    checkSwatch(nullptr);
}

void ColorSelectPopup::addCustomColor(const QColor &mixed)
{
    const QColor color = plain(mixed);
    if (!color.isValid())
        return;
    customColors_.removeOne(color);
    if (customColors_.size() >= kCustomColorCount)
        customColors_ = customColors_.mid(0, kCustomColorCount - 1);
    customColors_.prepend(color);
    showCustomColors();
    checkSwatch(customSlots_.first());
    color_ = color;
    if (preferences_)
        preferences_->setCustomColors(customColorPath_, customColors_);
    emit triggered();
}

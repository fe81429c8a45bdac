#include "popups/MosaicPopup.h"

#include "editor/MosaicPixelator.h"
#include "preferences/KestrelPreferences.h"

#include "ui_MosaicPopup.h"

#include <QPixmap>

namespace {
const QVector<int> kStrengths = {MosaicPopup::Weak, MosaicPopup::Medium, MosaicPopup::Strong};

QImage samplePicture()
{
    return QImage(QStringLiteral(":/res/mosaic-sample.png")).convertToFormat(QImage::Format_RGB32);
}
} // namespace

MosaicPopup::MosaicPopup(QWidget *parent) : Popup(parent), ui_(new Ui::MosaicPopup)
{
    ui_->setupUi(this);
    ui_->originalImage->setPixmap(QPixmap::fromImage(samplePicture()));
    const std::pair<QRadioButton *, ClickableLabel *> choices[] = {
            {ui_->weakRdo_, ui_->weakImage},
            {ui_->mediumRdo_, ui_->mediumImage},
            {ui_->strongRdo_, ui_->strongImage}};
    for (int i = 0; i < kStrengths.size(); ++i) {
        const auto [radio, image] = choices[i];
        ui_->strengthBtns_->setId(radio, kStrengths[i]);
        image->setPixmap(QPixmap::fromImage(sampleImage(kStrengths[i])));
        connect(image, &ClickableLabel::clicked, radio, &QAbstractButton::click);
    }
    ui_->strengthBtns_->setExclusive(true);
    setStrength(Medium);

    connect(ui_->strengthBtns_, qOverload<QAbstractButton *>(&QButtonGroup::buttonClicked), this,
            &Popup::triggered);
    connect(this, &Popup::triggered, this,
            [this] { emit mosaicSelected(Strength(ui_->strengthBtns_->checkedId())); });

    prepareControls();
}

MosaicPopup::~MosaicPopup() = default;

QImage MosaicPopup::sampleImage(int strength)
{
    const QImage picture = samplePicture();
    QImage pixelated(picture.size(), picture.format());
    if (!picture.isNull())
        MosaicPixelator::pixelate(picture, picture.rect(), qMax(1, strength), pixelated);
    return pixelated;
}

void MosaicPopup::setStrength(int strength)
{
    ui_->strengthBtns_->button(nearestChoice(kStrengths, strength))->setChecked(true);
}

void MosaicPopup::setPreferences(KestrelPreferences *preferences)
{
    if (preferences)
        setStrength(preferences->getInt(KestrelPreferences::MosaicStrength, Medium));
}

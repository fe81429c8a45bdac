#include "popups/CropPopup.h"

#include "ui_CropPopup.h"

#include <QSignalBlocker>

CropPopup::CropPopup(QWidget *parent) : Popup(parent), ui_(new Ui::CropPopup)
{
    ui_->setupUi(this);
    connect(ui_->widthSpinBox_, qOverload<int>(&QSpinBox::valueChanged), this,
            &CropPopup::onSizeChanged);
    connect(ui_->heightSpinBox_, qOverload<int>(&QSpinBox::valueChanged), this,
            &CropPopup::onSizeChanged);
    connect(ui_->cropBtn_, &QPushButton::clicked, this, [this] { emit cropped(true); });
    connect(ui_->cancelBtn_, &QPushButton::clicked, this, [this] { emit cropped(false); });
    prepareControls();
    hide();
}

CropPopup::~CropPopup() = default;

QSize CropPopup::size() const
{
    return QSize(ui_->widthSpinBox_->value(), ui_->heightSpinBox_->value());
}

void CropPopup::setSize(const QSize &size)
{
    const QSize before = this->size();
    {
        // A half-applied size (new width, old height) would reach the crop frame and
        // could be bounced back before the height is set.
        const QSignalBlocker blockWidth(ui_->widthSpinBox_);
        const QSignalBlocker blockHeight(ui_->heightSpinBox_);
        ui_->widthSpinBox_->setValue(size.width());
        ui_->heightSpinBox_->setValue(size.height());
    }
    if (this->size() != before)
        emit sizeChanged(this->size());
}

void CropPopup::setMaximumSize(const QSize &size)
{
    ui_->widthSpinBox_->setRange(1, qMax(1, size.width()));
    ui_->heightSpinBox_->setRange(1, qMax(1, size.height()));
}

void CropPopup::onSizeChanged(int)
{
    emit sizeChanged(size());
}

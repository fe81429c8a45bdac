#include "widgets/ImageToolWidget.h"

#include "ui_ImageToolWidget.h"

#include <cmath>

namespace {

// A factor one decimal step stands for is a product like 2.3 x 100 = 229.99999999999997;
// its percentage must still truncate to 230, while 0.999 truncates to 99.
constexpr double kPercentTolerance = 1e-9;

} // namespace

ImageToolWidget::ImageToolWidget(QWidget *parent) : QWidget(parent), ui_(new Ui::ImageToolWidget)
{
    ui_->setupUi(this);
    // The style sheet paints the bar's rounded background only with this attribute.
    setAttribute(Qt::WA_StyledBackground);
    connect(ui_->imageZoomIn_, &QPushButton::clicked, this, &ImageToolWidget::onClickZoomIn);
    connect(ui_->imageZoomOut_, &QPushButton::clicked, this, &ImageToolWidget::onClickZoomOut);
}

ImageToolWidget::~ImageToolWidget() = default;

void ImageToolWidget::setImageSize(const QSize &size)
{
    showText(ui_->imageSize_, tr("Image size : %0 x %1").arg(size.width()).arg(size.height()));
}

void ImageToolWidget::setZoomPercent(int percent)
{
    showText(ui_->imageZoomValue_, tr("%0 %").arg(percent));
}

void ImageToolWidget::onChangeZoom(double zoom)
{
    setZoomPercent(int(std::trunc(zoom * 100 + std::copysign(kPercentTolerance, zoom))));
}

void ImageToolWidget::showText(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    fitLabelWidth(label);
    adjustSize();
    emit imageToolUpdate();
}

void ImageToolWidget::fitLabelWidth(QLabel *label)
{
    // The label's own measure of its text counts the style sheet's font and padding and the
    // indent a framed label adds; they apply only once the label is polished.
    label->ensurePolished();
    const int width = label->sizeHint().width();
    label->setMinimumWidth(width);
    label->setMaximumWidth(width);
}

QString ImageToolWidget::imageSizeText() const
{
    return ui_->imageSize_->text();
}

QString ImageToolWidget::zoomText() const
{
    return ui_->imageZoomValue_->text();
}

void ImageToolWidget::onClickZoomIn()
{
    emit zoomIn();
}

void ImageToolWidget::onClickZoomOut()
{
    emit zoomOut();
}

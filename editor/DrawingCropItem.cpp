#include "editor/DrawingCropItem.h"

#include "editor/CropperProxy.h"
#include "editor/ImageCropper.h"

#include <QGraphicsScene>

namespace {
// Above every drawing item, whatever their stacking.
constexpr qreal kCropperZ = 1e9;
} // namespace

DrawingCropItem::DrawingCropItem(QObject *parent, const QRectF &sceneRect,
                                 const QRect &previousCrop)
    : DrawingItem(parent, sceneRect), cropper_(new ImageCropper), previousCrop_(previousCrop),
      imageSize_(sceneRect.size().toSize())
{
    cropper_->hide();
    cropper_->setFixedSize(imageSize_);
    cropper_->setCroppingRect(previousCrop.isEmpty() ? QRect(QPoint(0, 0), imageSize_)
                                                     : previousCrop);
    connect(cropper_, &ImageCropper::sizeChanged, this, &DrawingCropItem::onCropperSizeChanged);
    connect(cropper_, &ImageCropper::move, this, [this] { emit moveCropItem(this); });
}

DrawingCropItem::~DrawingCropItem()
{
    // Before the crop joined a scene the frame has no proxy to take it along.
    if (proxy_)
        delete proxy_.data();
    else
        delete cropper_.data();
}

void DrawingCropItem::setPicture(const QPixmap &picture)
{
    if (cropper_)
        cropper_->setPicture(picture);
}

QRect DrawingCropItem::cropRect() const
{
    return cropper_ ? cropper_->croppingRect() : appliedCrop_;
}

QRectF DrawingCropItem::boundingRect() const
{
    return QRectF();
}

void DrawingCropItem::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) { }

QRectF DrawingCropItem::mousePress(const QPoint &)
{
    return boundingRect();
}

QRectF DrawingCropItem::mouseMove(const QPoint &, const QPoint &, bool)
{
    return boundingRect();
}

QRectF DrawingCropItem::mouseRelease(const QPoint &, const QPoint &, bool)
{
    return boundingRect();
}

void DrawingCropItem::finish(bool succeed)
{
    onCropped(succeed);
}

void DrawingCropItem::toolPopupSet()
{
    emit popupRangeChanged(imageSize_);
    emit popupSizeChanged(cropRect().size());
}

void DrawingCropItem::onCropperSizeChanged(const QSize &size)
{
    emit popupSizeChanged(size);
    emit moveCropItem(this);
}

void DrawingCropItem::onPopupSizeChanged(const QSize &size)
{
    if (!cropper_ || !open_)
        return;
    cropper_->setCropSize(size.width(), size.height());
    // A size reaching past the picture was cut: the popup shows what the frame took.
    if (cropper_->croppingRect().size() != size)
        emit popupSizeChanged(cropper_->croppingRect().size());
    emit moveCropItem(this);
}

void DrawingCropItem::onCropped(bool succeed)
{
    if (!open_)
        return;
    open_ = false;
    const QRect frame = cropRect();
    hideToolPopup();
    releaseToolPopup();
    // The frame holds a copy of the whole picture; an ended crop never shows it again.
    if (proxy_) {
        proxy_->hide();
        proxy_->deleteLater();
    } else {
        delete cropper_.data();
    }
    cropper_ = nullptr;
    if (succeed) {
        appliedCrop_ = frame;
        emit crop(appliedCrop_);
    }
    emit finishCrop(succeed);
}

void DrawingCropItem::showCropper()
{
    auto *proxy = new CropperProxy;
    proxy->setWidget(cropper_);
    proxy->setZValue(kCropperZ);
    scene()->addItem(proxy);
    proxy->setPos(0, 0);
    proxy_ = proxy;
    connect(cropper_, &ImageCropper::setProxyCursor, proxy,
            [proxy](const QCursor &cursor) { proxy->setCursor(cursor); });
    cropper_->show();
    showToolPopup();
    emit moveCropItem(this);
}

void DrawingCropItem::focusInEvent(QFocusEvent *event)
{
    if (proxy_)
        proxy_->setZValue(kCropperZ);
    showToolPopup();
    DrawingItem::focusInEvent(event);
}

QVariant DrawingCropItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change != ItemSceneHasChanged)
        return DrawingItem::itemChange(change, value);
    const bool inScene = value.value<QGraphicsScene *>() != nullptr;
    if (open_) {
        if (inScene && !proxy_ && cropper_)
            showCropper();
        else if (!inScene)
            onCropped(false);
    } else if (!inScene) {
        // Undone, or dropped after a cancel: the crop this one replaced comes back.
        emit crop(previousCrop_);
    } else if (!appliedCrop_.isNull()) {
        emit crop(appliedCrop_);
    }
    return DrawingItem::itemChange(change, value);
}

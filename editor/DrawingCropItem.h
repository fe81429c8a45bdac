#pragma once

#include "editor/CropperProxy.h"
#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"
#include "editor/DrawingToolInterface.h"
#include "editor/ImageCropper.h"

#include <QPointer>
#include <QRect>
#include <QSize>

// One crop of a document, and its undo entry. While open it shows an ImageCropper over the
// whole picture; once applied the item stays invisible in the scene, and its membership of
// the scene is the crop: leaving it restores the crop it replaced, coming back applies it
// again.
class DrawingCropItem : public DrawingItem, public DrawingInterface, public DrawingToolInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingCropItem)

public:
    DrawingCropItem(QObject *parent, const QRectF &sceneRect, const QRect &previousCrop);
    ~DrawingCropItem() override;

    void setPicture(const QPixmap &picture);
    // The frame while the crop is open, in scene (= image) pixels.
    QRect cropRect() const;
    QRect appliedCrop() const { return appliedCrop_; }
    QRect previousCrop() const { return previousCrop_; }
    bool isOpen() const { return open_; }
    // Null once the crop has ended: the frame and its copy of the picture are gone.
    ImageCropper *cropper() const { return cropper_; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

public slots:
    // A size typed into the crop popup.
    void onPopupSizeChanged(const QSize &size);
    void onCropped(bool succeed);

signals:
    void moveCropItem(DrawingCropItem *item);
    void finishCrop(bool succeed);
    void crop(QRect rect);
    // For the crop popup: the largest size it may offer, and the frame's size.
    void popupRangeChanged(const QSize &size);
    void popupSizeChanged(const QSize &size);

protected:
    void focusInEvent(QFocusEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void toolPopupSet() override;

private:
    void showCropper();
    void onCropperSizeChanged(const QSize &size);

    QPointer<ImageCropper> cropper_;
    QPointer<CropperProxy> proxy_;
    QRect appliedCrop_;
    const QRect previousCrop_;
    const QSize imageSize_;
    bool open_ = true;
};

#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"
#include "editor/MosaicPixelator.h"

#include <QImage>
#include <QPixmap>

// Pixelates a dragged rectangle of the document's flattened picture into square blocks of
// uniform colour, aligned to the rectangle's top-left corner. The image itself is never
// changed: the item paints its own pixelated picture over it.
//
// The full picture is needed only while the rectangle is dragged. At release the item
// keeps just its own pixelated region and drops the picture, so many mosaics on a large
// capture do not each hold a copy of it.
class DrawingMosaicItem : public DrawingItem, public DrawingInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingMosaicItem)

public:
    DrawingMosaicItem(QObject *parent, const QRectF &sceneRect, const QPixmap &source);
    ~DrawingMosaicItem() override;

    // Side of a block in pixels (the mosaic strength: 4, 6 or 9); kept within 1 to 4096 so
    // the 32-bit channel sums of a block cannot overflow.
    void setBlockSize(int blockSize);
    int blockSize() const { return blockSize_; }

    QRectF mousePress(const QPoint &point) override;
    // Each move rebuilds the whole pixelated picture of the new rectangle.
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    bool isFinished() const { return finished_; }
    QPointF startPoint() const { return startPoint_; }
    QPointF endPoint() const { return endPoint_; }
    // True until release: whether the full picture is still held.
    bool hasSource() const { return !source_.isNull(); }
    // A copy of the pixelated picture and the scene rectangle it covers (the dragged
    // rectangle limited to the picture); null before the first move.
    QImage mosaic() const;
    QRect mosaicRect() const { return mosaicRect_; }

private:
    void updateGeometry(const QPoint &point, bool shift);
    void rebuild();

    bool finished_ = false;
    QPointF startPoint_;
    QPointF endPoint_;
    QPainterPath path_;
    QImage source_;
    // Owns the pixels mosaic_ shows while dragging, so it is declared first.
    MosaicPixelator pixelator_;
    QImage mosaic_;
    QRect mosaicRect_;
    int blockSize_ = 4;
};

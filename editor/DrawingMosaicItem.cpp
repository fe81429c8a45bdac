#include "editor/DrawingMosaicItem.h"

#include "editor/DrawingGeometry.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kMaxBlockSize = 4096;
const QColor kOutlineColor(0, 127, 245);

QImage::Format workingFormat(const QImage &image)
{
    return image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}
} // namespace

DrawingMosaicItem::DrawingMosaicItem(QObject *parent, const QRectF &sceneRect,
                                     const QPixmap &source)
    : DrawingItem(parent, sceneRect), source_(source.toImage())
{
    // The averaging works on 32-bit pixels; any other depth is widened once here.
    if (!source_.isNull() && source_.depth() != 32)
        source_ = source_.convertToFormat(workingFormat(source_));
}

DrawingMosaicItem::~DrawingMosaicItem() = default;

void DrawingMosaicItem::setBlockSize(int blockSize)
{
    blockSize_ = std::clamp(blockSize, 1, kMaxBlockSize);
}

QRectF DrawingMosaicItem::mousePress(const QPoint &point)
{
    startPoint_ = endPoint_ = point;
    setRect(QRectF(startPoint_, endPoint_).normalized());
    setRect(boundingRect());
    return boundingRect();
}

QRectF DrawingMosaicItem::mouseMove(const QPoint &, const QPoint &point, bool shift)
{
    updateGeometry(point, shift);
    rebuild();
    return boundingRect();
}

QRectF DrawingMosaicItem::mouseRelease(const QPoint &, const QPoint &point, bool shift)
{
    prepareGeometryChange();
    updateGeometry(point, shift);
    rebuild();
    path_ = QPainterPath();
    path_.addRect(rect());
    finished_ = true;
    // From now on only the item's own region is kept.
    mosaic_ = mosaic_.copy();
    pixelator_.release();
    source_ = QImage();
    return boundingRect();
}

void DrawingMosaicItem::finish(bool) { }

void DrawingMosaicItem::updateGeometry(const QPoint &point, bool shift)
{
    setRect(DrawingGeometry::dragRect(startPoint_, point, shift));
    endPoint_ = point;
}

void DrawingMosaicItem::rebuild()
{
    if (source_.isNull())
        return;
    // A drag may leave the picture; only the part over it has pixels to average.
    const QRect region = rect().toRect().intersected(source_.rect());
    mosaicRect_ = region;
    mosaic_ = pixelator_.pixelate(source_, region, blockSize_);
}

QImage DrawingMosaicItem::mosaic() const
{
    return mosaic_.copy();
}

QPainterPath DrawingMosaicItem::shape() const
{
    return clippedShape(path_);
}

void DrawingMosaicItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    setFigureHints(painter);
    clipToScene(painter);
    if (!mosaic_.isNull())
        painter->drawImage(mosaicRect_.topLeft(), mosaic_);
    if (!finished_) {
        painter->setPen(itemPen(kOutlineColor, 1.0, Qt::SolidLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect());
    }
    painter->restore();
}

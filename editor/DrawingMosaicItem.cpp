#include "editor/DrawingMosaicItem.h"

#include "editor/DrawingGeometry.h"

#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {
constexpr int kMaxBlockSize = 4096;
const QColor kOutlineColor(0, 127, 245);

// Bytes 0, 1 and 2 of a pixel in memory, seen in a 32-bit word, and the byte left alone.
constexpr bool kLittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
constexpr int kShift0 = kLittleEndian ? 0 : 24;
constexpr int kShift1 = kLittleEndian ? 8 : 16;
constexpr int kShift2 = kLittleEndian ? 16 : 8;
constexpr quint32 kKeptByte = kLittleEndian ? 0xff000000u : 0x000000ffu;

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
    buffer_.reset();
    bufferSize_ = 0;
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
    mosaic_ = QImage();
    mosaicRect_ = region;
    if (region.isEmpty())
        return;
    const size_t needed = size_t(region.width()) * size_t(region.height()) * 4;
    if (needed > bufferSize_) {
        buffer_.reset();
        bufferSize_ = std::max(needed, bufferSize_ + bufferSize_ / 2);
        buffer_.reset(new uchar[bufferSize_]);
    }
    mosaic_ = QImage(buffer_.get(), region.width(), region.height(), region.width() * 4,
                     source_.format());
    pixelate(source_, region, blockSize_, mosaic_);
}

void DrawingMosaicItem::pixelate(const QImage &source, const QRect &region, int blockSize,
                                 QImage &target)
{
    const int width = region.width();
    const int height = region.height();
    const int b = blockSize;
    const int columns = (width + b - 1) / b;
    std::vector<quint32> sum0(columns), sum1(columns), sum2(columns), average(columns);

    for (int y0 = 0; y0 < height; y0 += b) {
        const int blockHeight = std::min(b, height - y0);
        std::fill(sum0.begin(), sum0.end(), 0);
        std::fill(sum1.begin(), sum1.end(), 0);
        std::fill(sum2.begin(), sum2.end(), 0);
        for (int y = y0; y < y0 + blockHeight; ++y) {
            const auto *row =
                    reinterpret_cast<const quint32 *>(source.constScanLine(region.top() + y))
                    + region.left();
            for (int c = 0, x0 = 0; c < columns; ++c, x0 += b) {
                const int x1 = std::min(x0 + b, width);
                quint32 s0 = 0, s1 = 0, s2 = 0;
                for (int x = x0; x < x1; ++x) {
                    const quint32 v = row[x];
                    s0 += (v >> kShift0) & 0xff;
                    s1 += (v >> kShift1) & 0xff;
                    s2 += (v >> kShift2) & 0xff;
                }
                sum0[c] += s0;
                sum1[c] += s1;
                sum2[c] += s2;
            }
        }
        for (int c = 0, x0 = 0; c < columns; ++c, x0 += b) {
            const quint32 count = quint32(std::min(b, width - x0) * blockHeight);
            average[c] = (sum0[c] / count) << kShift0 | (sum1[c] / count) << kShift1
                    | (sum2[c] / count) << kShift2;
        }
        for (int y = y0; y < y0 + blockHeight; ++y) {
            const auto *row =
                    reinterpret_cast<const quint32 *>(source.constScanLine(region.top() + y))
                    + region.left();
            auto *out = reinterpret_cast<quint32 *>(target.scanLine(y));
            for (int c = 0, x0 = 0; c < columns; ++c, x0 += b) {
                const int x1 = std::min(x0 + b, width);
                const quint32 value = average[c];
                for (int x = x0; x < x1; ++x)
                    out[x] = (row[x] & kKeptByte) | value;
            }
        }
    }
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

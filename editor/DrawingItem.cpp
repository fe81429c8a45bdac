#include "editor/DrawingItem.h"

#include <QPainter>
#include <cmath>

namespace {
// The cap value every drawing item passes to its pen, as the painting code always has.
constexpr auto kItemCapStyle = static_cast<Qt::PenCapStyle>(0x30);
} // namespace

DrawingItem::DrawingItem(QObject *parent, const QRectF &sceneRect)
    : QObject(parent), sceneRect_(sceneRect)
{ }

DrawingItem::~DrawingItem() = default;

QRectF DrawingItem::boundingRect() const
{
    const qreal w = paintMargin();
    return rect_.normalized().adjusted(-w, -w, w, w).intersected(sceneRect_);
}

qreal DrawingItem::paintMargin() const
{
    return lineWidth_ + 1;
}

qreal DrawingItem::acuteCornerMargin() const
{
    // The stroker cuts a miter at miterLimit line widths from the corner, square to the
    // corner's bisector; the cut's ends lie half a line width to either side.
    const qreal limit = outlinePen(Qt::SolidLine).miterLimit();
    return lineWidth_ * std::sqrt(limit * limit + 0.25) + 1;
}

void DrawingItem::setRect(const QRectF &rect)
{
    if (rect == rect_)
        return;
    prepareGeometryChange();
    rect_ = rect;
}

void DrawingItem::setStyle(const QColor &lineColor, const QColor &fillColor, int lineWidth,
                           int penStyle)
{
    // The bounding rectangle depends on the line width.
    prepareGeometryChange();
    lineColor_ = lineColor;
    fillColor_ = fillColor;
    lineWidth_ = lineWidth;
    penStyle_ = penStyle;
}

void DrawingItem::onChangeSceneRect(QRectF sceneRect)
{
    // The bounding rectangle and the shape follow the image rectangle; the scene's index
    // must hear of it before, or a shrunk item could stay indexed where it no longer is.
    prepareGeometryChange();
    sceneRect_ = sceneRect;
    update();
}

QPen DrawingItem::itemPen(const QColor &color, qreal width, Qt::PenStyle style)
{
    return QPen(QBrush(color, Qt::SolidPattern), width, style, kItemCapStyle, Qt::MiterJoin);
}

QPen DrawingItem::outlinePen(Qt::PenStyle style) const
{
    return itemPen(lineColor_, lineWidth_, style);
}

void DrawingItem::setFigureHints(QPainter *painter)
{
    // Qt 5.15 ignores the old high-quality antialiasing hint: plain antialiasing already
    // renders at that quality.
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
}

void DrawingItem::clipToScene(QPainter *painter) const
{
    painter->setClipRect(sceneRect_, Qt::ReplaceClip);
}

QPainterPath DrawingItem::clippedShape(const QPainterPath &path) const
{
    QPainterPath scene;
    scene.addRect(sceneRect_);
    return path.intersected(scene);
}

#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"

#include <QPolygonF>
#include <QVector2D>

// A line with a filled, solid head at its end point. The head is a right-angled triangle
// with its right angle at the tip, whatever the line width and style.
class DrawingArrowItem : public DrawingItem, public DrawingInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingArrowItem)

public:
    DrawingArrowItem(QObject *parent, const QRectF &sceneRect);

    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    QPointF startPoint() const { return startPoint_; }
    QPointF endPoint() const { return endPoint_; }
    QPolygonF head() const { return head_; }

private:
    void moveEnd(const QPoint &point, bool shift);
    void updateHead();
    QPolygonF hitPolygon() const;

    QPointF startPoint_;
    QPointF endPoint_;
    QPolygonF head_;
    QVector2D normal_;
    QVector2D direction_;
    QPainterPath path_;
};

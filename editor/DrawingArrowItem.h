#pragma once

#include "editor/DrawingSegmentItem.h"

#include <QPolygonF>
#include <QVector2D>

// A line with a filled, solid head at its end point. The head is a right-angled triangle
// with its right angle at the tip, whatever the line width and style.
class DrawingArrowItem : public DrawingSegmentItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingArrowItem)

public:
    DrawingArrowItem(QObject *parent, const QRectF &sceneRect);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    QPolygonF head() const { return head_; }

protected:
    // The head's back corners are 45 degrees, and the head outgrows a short shaft.
    qreal paintMargin() const override { return acuteCornerMargin(); }
    // The head follows the end point.
    void endPointMoved() override;
    void addOutline(QPainterPath &path) const override;
    QRectF repaintArea() const override;

private:
    QPolygonF head_;
    QVector2D normal_;
    QVector2D direction_;
};

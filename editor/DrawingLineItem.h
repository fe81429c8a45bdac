#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"

class DrawingLineItem : public DrawingItem, public DrawingInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingLineItem)

public:
    DrawingLineItem(QObject *parent, const QRectF &sceneRect);

    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    QPointF startPoint() const { return startPoint_; }
    QPointF endPoint() const { return endPoint_; }

private:
    void moveEnd(const QPoint &point, bool shift);

    QPointF startPoint_;
    QPointF endPoint_;
    QPainterPath path_;
};

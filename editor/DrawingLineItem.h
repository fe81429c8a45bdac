#pragma once

#include "editor/DrawingSegmentItem.h"

class DrawingLineItem : public DrawingSegmentItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingLineItem)

public:
    DrawingLineItem(QObject *parent, const QRectF &sceneRect);

    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    void addOutline(QPainterPath &path) const override;
};

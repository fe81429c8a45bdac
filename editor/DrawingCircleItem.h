#pragma once

#include "editor/DrawingBoxItem.h"

class DrawingCircleItem : public DrawingBoxItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingCircleItem)

public:
    DrawingCircleItem(QObject *parent, const QRectF &sceneRect);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    // A dashed or dotted outline is stroked as a polygon, whose turns at the ends of a
    // narrow ellipse are sharp.
    qreal paintMargin() const override;
    void addOutline(QPainterPath &path, const QRectF &rect) const override;
};

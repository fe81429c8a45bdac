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
    void addOutline(QPainterPath &path, const QRectF &rect) const override;
};

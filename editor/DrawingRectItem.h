#pragma once

#include "editor/DrawingBoxItem.h"

class DrawingRectItem : public DrawingBoxItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingRectItem)

public:
    DrawingRectItem(QObject *parent, const QRectF &sceneRect);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    void addOutline(QPainterPath &path, const QRectF &rect) const override;
};

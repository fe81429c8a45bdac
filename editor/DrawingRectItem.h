#pragma once

#include "editor/DrawingFigureItem.h"

class DrawingRectItem : public DrawingFigureItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingRectItem)

public:
    DrawingRectItem(QObject *parent, const QRectF &sceneRect);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    void addOutline(QPainterPath &path) const override;
};

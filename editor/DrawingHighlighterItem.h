#pragma once

#include "editor/DrawingPenItem.h"

// A pen stroke painted in darken mode: each channel keeps the darker of the stroke colour
// and what lies below, so dark text under a light marker stays readable, and painting the
// stroke twice looks the same as painting it once.
class DrawingHighlighterItem : public DrawingPenItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingHighlighterItem)

public:
    DrawingHighlighterItem(QObject *parent, const QRectF &sceneRect);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;
};

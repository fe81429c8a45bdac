#pragma once

#include "editor/DrawingBoxItem.h"

#include <QPolygonF>

// A rectangular body over the upper four fifths of the dragged rectangle, with a tail
// down to the bottom edge at a quarter of the width.
class DrawingSpeechBalloonItem : public DrawingBoxItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingSpeechBalloonItem)

public:
    DrawingSpeechBalloonItem(QObject *parent, const QRectF &sceneRect);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    static QPolygonF balloonPolygon(const QRectF &rect);

protected:
    // The tail's tip turns into a spike on a narrow balloon.
    qreal paintMargin() const override { return acuteCornerMargin(); }
    void addOutline(QPainterPath &path, const QRectF &rect) const override;
};

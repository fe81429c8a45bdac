#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"

// The drag shared by the five figures. A drag spans either a box (rectangle, ellipse and
// balloon: the normalised rectangle of the drag, a square with Shift) or a segment (line and
// arrow: from the press point to the pointer, snapped to 45 degrees with Shift). The
// subclasses decide the outline the eraser hits and what is painted.
class DrawingFigureItem : public DrawingItem, public DrawingInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingFigureItem)

public:
    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

    QPainterPath shape() const override;

    QPointF startPoint() const { return startPoint_; }
    QPointF endPoint() const { return endPoint_; }

protected:
    enum class Span { Box, Segment };

    DrawingFigureItem(QObject *parent, const QRectF &sceneRect, Span span);

    // Called after every move of the end point, once rect follows it.
    virtual void endPointMoved() { }
    // Adds the outline the eraser hits to the item's hit path at release.
    virtual void addOutline(QPainterPath &path) const = 0;
    // The area a press, a move or the release asks to repaint.
    virtual QRectF repaintArea() const { return boundingRect(); }
    const QPainterPath &outline() const { return path_; }
    // Sets the antialiasing hints, the outline pen, the fill brush and the clip.
    void preparePainter(QPainter *painter, bool antialiased) const;

private:
    void moveEnd(const QPoint &point, bool shift);

    const Span span_;
    QPointF startPoint_;
    QPointF endPoint_;
    QPainterPath path_;
};

#pragma once

#include <QPixmap>
#include <QSize>
#include <QTransform>

class QGraphicsItem;
class QWidget;

// The view's picture as it was just before a stroke began. While the stroke is drawn, each
// mouse move repaints only the growing item over that picture, instead of the flattened
// document and every item at the view's scale. The picture holds while the view neither
// scrolls, zooms nor changes size.
class StrokeFrame
{
public:
    StrokeFrame() = default;

    void start(const QPixmap &picture, QGraphicsItem *item, const QTransform &view);
    void clear();
    bool isActive() const { return item_ != nullptr; }

    // Paints the picture and the item over it on `widget`, the view's viewport; false, with
    // nothing painted, when the picture no longer matches the view.
    bool paint(QWidget *widget, const QTransform &view) const;

private:
    QPixmap picture_;
    QGraphicsItem *item_ = nullptr;
    QTransform view_;
};

#pragma once

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QRectF>

class QGraphicsItem;
class QGraphicsScene;

// The flattened picture of a document (image plus items) while one item is being dragged.
// Every other item stays as it is during a stroke, so their picture is rendered once and
// each mouse move only restores the area the moving item covered and paints that item
// again. The pixels are those of rendering the whole scene afresh.
class StrokeRenderCache
{
public:
    StrokeRenderCache() = default;

    // The image with every item of `scene` painted over it, `moving` included. The cache
    // is used only while `moving` is the topmost item; anything else renders afresh.
    QPixmap render(QGraphicsScene &scene, const QPixmap &image, QGraphicsItem *moving);
    // Frees the cached pictures; the next render starts over.
    void clear();

    // A deep copy of the image with every visible item of the scene painted over it.
    static QPixmap flatten(QGraphicsScene &scene, const QPixmap &image);

private:
    bool matches(const QGraphicsScene &scene, const QPixmap &image, const QGraphicsItem *moving,
                 const QList<QGraphicsItem *> &others) const;
    void rebuild(QGraphicsScene &scene, const QPixmap &image, QGraphicsItem *moving,
                 const QList<QGraphicsItem *> &others);
    static QRect paintedArea(const QGraphicsItem *item, const QRect &imageRect);

    QGraphicsItem *moving_ = nullptr;
    QList<QGraphicsItem *> others_;
    qint64 imageKey_ = 0;
    QRectF sceneRect_;
    QPixmap base_;
    QPixmap picture_;
    QRect painted_;
};

#include "editor/StrokeRenderCache.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QRegion>
#include <QStyleOptionGraphicsItem>

namespace {

// Antialiased edges may reach a pixel beyond an item's bounding rectangle.
constexpr int kPaintMargin = 2;

} // namespace

QPixmap StrokeRenderCache::flatten(QGraphicsScene &scene, const QPixmap &image)
{
    QPixmap copy = image.copy(image.rect());
    if (copy.isNull())
        return QPixmap();
    QPainter painter(&copy);
    const QRectF whole(image.rect());
    scene.render(&painter, whole, whole, Qt::KeepAspectRatio);
    // A pixmap still being painted on is deep-copied when it is returned.
    painter.end();
    return copy;
}

QPixmap StrokeRenderCache::render(QGraphicsScene &scene, const QPixmap &image,
                                  QGraphicsItem *moving)
{
    QList<QGraphicsItem *> others = scene.items(Qt::AscendingOrder);
    if (image.isNull() || !moving || others.isEmpty() || others.last() != moving
        || !moving->isVisible() || moving->parentItem()) {
        clear();
        return flatten(scene, image);
    }
    others.removeLast();
    if (!matches(scene, image, moving, others)) {
        rebuild(scene, image, moving, others);
        if (base_.isNull()) {
            clear();
            return flatten(scene, image);
        }
    }

    const QRect now = paintedArea(moving, image.rect());
    QPainter painter(&picture_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect &area : QRegion(painted_).united(now))
        painter.drawPixmap(area.topLeft(), base_, area);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The same call the scene makes for an item without flags at full opacity.
    QStyleOptionGraphicsItem option;
    option.state = moving->isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    option.exposedRect = moving->boundingRect();
    option.rect = option.exposedRect.toAlignedRect();
    painter.setWorldTransform(moving->sceneTransform());
    moving->paint(&painter, &option, nullptr);
    painter.end();

    painted_ = now;
    return picture_;
}

void StrokeRenderCache::clear()
{
    moving_ = nullptr;
    others_.clear();
    imageKey_ = 0;
    sceneRect_ = QRectF();
    base_ = QPixmap();
    picture_ = QPixmap();
    painted_ = QRect();
}

bool StrokeRenderCache::matches(const QGraphicsScene &scene, const QPixmap &image,
                                const QGraphicsItem *moving,
                                const QList<QGraphicsItem *> &others) const
{
    return moving == moving_ && image.cacheKey() == imageKey_ && scene.sceneRect() == sceneRect_
            && others == others_;
}

void StrokeRenderCache::rebuild(QGraphicsScene &scene, const QPixmap &image, QGraphicsItem *moving,
                                const QList<QGraphicsItem *> &others)
{
    clear();
    moving->setVisible(false);
    base_ = flatten(scene, image);
    moving->setVisible(true);
    if (base_.isNull())
        return;
    moving_ = moving;
    others_ = others;
    imageKey_ = image.cacheKey();
    sceneRect_ = scene.sceneRect();
    picture_ = base_.copy(base_.rect());
    painted_ = QRect();
}

QRect StrokeRenderCache::paintedArea(const QGraphicsItem *item, const QRect &imageRect)
{
    return item->sceneBoundingRect()
            .toAlignedRect()
            .adjusted(-kPaintMargin, -kPaintMargin, kPaintMargin, kPaintMargin)
            .intersected(imageRect);
}

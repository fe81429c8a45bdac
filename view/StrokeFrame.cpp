#include "view/StrokeFrame.h"

#include <QGraphicsItem>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QWidget>

void StrokeFrame::start(const QPixmap &picture, QGraphicsItem *item, const QTransform &view)
{
    picture_ = picture;
    item_ = item;
    view_ = view;
}

void StrokeFrame::clear()
{
    picture_ = QPixmap();
    item_ = nullptr;
}

bool StrokeFrame::paint(QWidget *widget, const QTransform &view) const
{
    if (!item_ || picture_.isNull() || view != view_
        || picture_.size() != widget->size() * picture_.devicePixelRatio())
        return false;
    QPainter painter(widget);
    painter.drawPixmap(0, 0, picture_);
    if (!item_->isVisible())
        return true;
    // The call the scene makes for an item without flags at full opacity.
    QStyleOptionGraphicsItem option;
    option.state = item_->isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    option.exposedRect = item_->boundingRect();
    option.rect = option.exposedRect.toAlignedRect();
    painter.setWorldTransform(item_->sceneTransform() * view);
    item_->paint(&painter, &option, widget);
    return true;
}

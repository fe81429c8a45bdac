#pragma once

#include <QGraphicsItem>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

// Paints `item` over `image`, as the scene does when it flattens a document, so tests can
// look at the pixels.
inline QImage paintedOver(QGraphicsItem &item, QImage image)
{
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    return image;
}

inline QImage filledImage(QSize size, QColor colour = Qt::white)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

// Paints drawing items into an opaque picture, as the scene does when it flattens a
// document, so tests can look at the pixels.
struct DrawingTestCanvas
{
    explicit DrawingTestCanvas(QSize size, QColor background = Qt::white)
        : image(size, QImage::Format_RGB32)
    {
        image.fill(background);
    }

    void paint(QGraphicsItem &item)
    {
        QPainter painter(&image);
        QStyleOptionGraphicsItem option;
        item.paint(&painter, &option, nullptr);
    }

    QColor at(int x, int y) const { return image.pixelColor(x, y); }

    QImage image;
};

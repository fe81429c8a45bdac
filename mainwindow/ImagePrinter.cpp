#include "mainwindow/ImagePrinter.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>

QRect ImagePrinter::targetRect(const QSize &picture, const QSize &page)
{
    QSize size = picture;
    const bool wide = picture.width() > page.width();
    const bool tall = picture.height() > page.height();
    const double widthRatio = double(picture.width()) / page.width();
    const double heightRatio = double(picture.height()) / page.height();
    // The side that overflows most decides; the other follows in proportion.
    if (wide && (!tall || widthRatio > heightRatio))
        size = QSize(int(picture.width() / widthRatio), int(picture.height() / widthRatio));
    else if (tall)
        size = QSize(int(picture.width() / heightRatio), int(picture.height() / heightRatio));
    // Centred by the free space on each side, so a picture as wide as the page starts at
    // its left edge rather than a pixel before it.
    return QRect(QPoint((page.width() - size.width()) / 2, (page.height() - size.height()) / 2),
                 size);
}

bool ImagePrinter::print(QPrinter &printer, const QPixmap &picture)
{
    if (picture.isNull())
        return false;
    // The painter's origin is the top-left corner of the printable area.
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(targetRect(picture.size(), page), picture);
    return painter.end();
}

#pragma once

#include <QRect>
#include <QSize>

class QPixmap;
class QPrinter;

// Puts one picture on one printed page: shrunk to fit when it is larger than the page, at
// its own size otherwise, and centred either way.
class ImagePrinter
{
public:
    // Where the picture goes on a page of the given size, in the page's own coordinates.
    static QRect targetRect(const QSize &picture, const QSize &page);
    // Draws the picture on the printer's page; false when the printer cannot be painted on.
    static bool print(QPrinter &printer, const QPixmap &picture);
};

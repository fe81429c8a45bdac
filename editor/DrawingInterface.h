#pragma once

#include <QPoint>
#include <QRectF>

// The mouse protocol through which the Editor builds an item from one drag: a press, any
// number of moves with the button held, one release. Each call returns the area that needs
// repainting, in scene coordinates; `shift` tells whether the Shift key is held.
class DrawingInterface
{
public:
    virtual ~DrawingInterface() = default;

    virtual QRectF mousePress(const QPoint &point) = 0;
    virtual QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) = 0;
    virtual QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) = 0;
    // Ends an open interaction (text box, crop frame); the other items ignore it.
    virtual void finish(bool succeed) = 0;

protected:
    DrawingInterface() = default;
    DrawingInterface(const DrawingInterface &) = default;
    DrawingInterface &operator=(const DrawingInterface &) = default;
};

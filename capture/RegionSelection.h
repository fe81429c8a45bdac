#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The rectangle dragged on the frozen desktop, in desktop coordinates. Points lie between
// pixels, so a drag from (x, y) to (x + w, y + h) takes w by h pixels in any direction.
// Each corner stays on a screen: a point beyond every screen moves to the nearest point of
// the nearest screen.
class RegionSelection
{
public:
    explicit RegionSelection(const QList<QRect> &screens);

    void begin(const QPoint &point);
    void extend(const QPoint &point);
    void clear();

    bool isStarted() const { return started_; }
    // Normalised; empty until the pointer has moved away from where it was pressed.
    QRect rect() const;
    QPoint clamp(const QPoint &point) const;

private:
    QList<QRect> screens_;
    QPoint anchor_;
    QPoint corner_;
    bool started_ = false;
};

#include "capture/RegionSelection.h"

#include <limits>

RegionSelection::RegionSelection(const QList<QRect> &screens) : screens_(screens) { }

QPoint RegionSelection::clamp(const QPoint &point) const
{
    QPoint best = point;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens_) {
        // One past the last pixel, so a drag can take the screen's last row and column.
        const QPoint inside(qBound(screen.left(), point.x(), screen.right() + 1),
                            qBound(screen.top(), point.y(), screen.bottom() + 1));
        const QPoint step = inside - point;
        const qint64 distance = qint64(step.x()) * step.x() + qint64(step.y()) * step.y();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = inside;
        }
    }
    return best;
}

void RegionSelection::begin(const QPoint &point)
{
    anchor_ = corner_ = clamp(point);
    started_ = true;
}

void RegionSelection::extend(const QPoint &point)
{
    if (started_)
        corner_ = clamp(point);
}

void RegionSelection::clear()
{
    started_ = false;
}

QRect RegionSelection::rect() const
{
    const QRect area(QPoint(qMin(anchor_.x(), corner_.x()), qMin(anchor_.y(), corner_.y())),
                     QSize(qAbs(corner_.x() - anchor_.x()), qAbs(corner_.y() - anchor_.y())));
    return started_ && !area.isEmpty() ? area : QRect();
}

#include "editor/DrawingGeometry.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace DrawingGeometry {

namespace {
// sin 22.5° and cos 22.5°: the borders between horizontal, diagonal and vertical.
constexpr qreal kHorizontalLimit = 0.3826;
constexpr qreal kVerticalLimit = 0.9238;

qreal towards(qreal from, qreal to, qreal distance)
{
    return to < from ? from - distance : from + distance;
}
} // namespace

QPointF snap45(const QPointF &start, const QPointF &point)
{
    if (point.x() == start.x() || point.y() == start.y())
        return point;
    const qreal dx = std::abs(point.x() - start.x());
    const qreal dy = std::abs(point.y() - start.y());
    const qreal q = dy / std::sqrt(dx * dx + dy * dy);
    if (q <= kHorizontalLimit)
        return QPointF(point.x(), start.y());
    if (q >= kVerticalLimit)
        return QPointF(start.x(), point.y());
    const qreal k = std::trunc(std::max(dx, dy));
    return QPointF(towards(start.x(), point.x(), k), towards(start.y(), point.y(), k));
}

QRectF dragRect(const QPointF &start, const QPointF &point, bool shift)
{
    QRectF rect;
    if (shift) {
        const qreal side = std::trunc(
                std::min(std::abs(point.x() - start.x()), std::abs(point.y() - start.y())));
        const qreal left = point.x() > start.x() ? start.x() : start.x() - side;
        const qreal top = point.y() > start.y() ? start.y() : start.y() - side;
        rect = QRectF(left, top, side, side);
    } else {
        rect = QRectF(start, point).normalized();
    }
    if (rect.width() == 0)
        rect.setWidth(1.0);
    if (rect.height() == 0)
        rect.setHeight(1.0);
    return rect;
}

QPainterPath clipLine(const QPointF &p1, const QPointF &p2, const QRectF &rect)
{
    // Liang-Barsky: narrow the parameter range [t0, t1] of p1 + t (p2 - p1) edge by edge.
    const qreal dx = p2.x() - p1.x();
    const qreal dy = p2.y() - p1.y();
    const qreal p[4] = {-dx, dx, -dy, dy};
    const qreal q[4] = {p1.x() - rect.left(), rect.right() - p1.x(), p1.y() - rect.top(),
                        rect.bottom() - p1.y()};
    qreal t0 = 0;
    qreal t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return QPainterPath();
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return QPainterPath();
    }
    QPainterPath path;
    path.moveTo(p1.x() + t0 * dx, p1.y() + t0 * dy);
    path.lineTo(p1.x() + t1 * dx, p1.y() + t1 * dy);
    return path;
}

} // namespace DrawingGeometry

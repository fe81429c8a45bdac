#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// Geometry shared by the drawing items.
namespace DrawingGeometry {

// The end point of a line from `start` towards `point` with Shift held: horizontal,
// vertical or diagonal, whichever of the three is nearest to the pointer's direction.
QPointF snap45(const QPointF &start, const QPointF &point);

// The rectangle a box-shaped item covers when dragged from `start` to `point`: normalised,
// or with Shift the largest square anchored at `start` towards `point`. A side of 0
// becomes 1, so a click still leaves a visible item.
QRectF dragRect(const QPointF &start, const QPointF &point, bool shift);

// The part of the segment from `p1` to `p2` inside `rect` (edges included), as a path of one
// line; empty when no part lies inside. An area intersection would lose lines that lie on
// an edge or have no length.
QPainterPath clipLine(const QPointF &p1, const QPointF &p2, const QRectF &rect);

} // namespace DrawingGeometry

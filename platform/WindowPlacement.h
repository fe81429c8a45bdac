#pragma once

#include <QPoint>
#include <QRect>
#include <QVector>
#include <optional>

// One screen as window placement sees it: its whole geometry and the part left to windows
// (without task bars and docks).
struct ScreenArea
{
    QRect geometry;
    QRect available;
};

// Where a window's frame must move so it lies on a screen, or nothing when it stays put.
// The frame stays where it is when each of its corners lies on some screen's available area.
// Otherwise it is pushed into one area: the area of the screen that holds the hint, or with
// a hint of (0, 0) the screen that shows the largest part of the frame; screens.first() is
// the primary screen, used when no screen qualifies. The right and bottom edges win over
// the left and top edges for a frame larger than the area. The size never changes.
std::optional<QPoint> FitFrameToScreens(const QRect &frame, QPoint hint,
                                        const QVector<ScreenArea> &screens);

// The available area a frame is pushed into (see FitFrameToScreens).
QRect TargetScreenArea(const QRect &frame, QPoint hint, const QVector<ScreenArea> &screens);

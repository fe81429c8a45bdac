#include "platform/WindowPlacement.h"

#include <algorithm>

namespace {

bool cornersOnScreens(const QRect &frame, const QVector<ScreenArea> &screens)
{
    const QPoint corners[] = {frame.topLeft(), frame.topRight(), frame.bottomRight(),
                              frame.bottomLeft()};
    return std::all_of(std::begin(corners), std::end(corners), [&screens](QPoint corner) {
        return std::any_of(screens.begin(), screens.end(), [corner](const ScreenArea &screen) {
            return screen.available.contains(corner);
        });
    });
}

int overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : common.width() * common.height();
}

} // namespace

QRect TargetScreenArea(const QRect &frame, QPoint hint, const QVector<ScreenArea> &screens)
{
    if (screens.isEmpty())
        return {};
    const ScreenArea *chosen = &screens.first();
    if (hint.isNull()) {
        int largest = 0;
        for (const ScreenArea &screen : screens) {
            const int area = overlap(screen.geometry, frame);
            if (area > largest) {
                largest = area;
                chosen = &screen;
            }
        }
    } else {
        const auto holder =
                std::find_if(screens.begin(), screens.end(),
                             [hint](const ScreenArea &s) { return s.geometry.contains(hint); });
        if (holder != screens.end())
            chosen = &*holder;
    }
    return chosen->available;
}

std::optional<QPoint> FitFrameToScreens(const QRect &frame, QPoint hint,
                                        const QVector<ScreenArea> &screens)
{
    if (screens.isEmpty() || cornersOnScreens(frame, screens))
        return std::nullopt;
    const QRect area = TargetScreenArea(frame, hint, screens);
    QRect fitted = frame;
    // Each edge is compared with the original frame; the later moves win.
    if (area.left() > frame.left())
        fitted.moveLeft(area.left());
    if (area.right() < frame.right())
        fitted.moveRight(area.right());
    if (area.top() > frame.top())
        fitted.moveTop(area.top());
    if (area.bottom() < frame.bottom())
        fitted.moveBottom(area.bottom());
    if (fitted.topLeft() == frame.topLeft())
        return std::nullopt;
    return fitted.topLeft();
}

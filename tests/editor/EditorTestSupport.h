#pragma once

#include "editor/Editor.h"

#include <QColor>
#include <QCoreApplication>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QString>

// Mouse input and captures for tests that drive an Editor without a view.
namespace EditorTestSupport {

inline void sendMouse(Editor &editor, QEvent::Type type, const QPoint &point,
                      Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(point);
    event.setButton(button);
    event.setButtons(buttons);
    event.setModifiers(modifiers);
    QCoreApplication::sendEvent(&editor, &event);
}

inline void press(Editor &editor, const QPoint &point, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(editor, QEvent::GraphicsSceneMousePress, point, button, button);
}

inline void move(Editor &editor, const QPoint &point, bool shift = false)
{
    sendMouse(editor, QEvent::GraphicsSceneMouseMove, point, Qt::NoButton, Qt::LeftButton,
              shift ? Qt::ShiftModifier : Qt::NoModifier);
}

inline void release(Editor &editor, const QPoint &point, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(editor, QEvent::GraphicsSceneMouseRelease, point, button, Qt::NoButton);
}

// One stroke of the current tool from `from` to `to` through one intermediate point.
inline void drag(Editor &editor, const QPoint &from, const QPoint &to)
{
    press(editor, from);
    move(editor, (from + to) / 2);
    move(editor, to);
    release(editor, to);
}

// A capture with a gradient, so pixels differ from place to place.
inline QImage gradientCapture(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
    }
    return image;
}

// The flattened picture computed the plain way: a copy of the image, the scene over it.
inline QImage plainRender(Editor &editor)
{
    QPixmap copy = editor.image().copy();
    QPainter painter(&copy);
    const QRectF whole(editor.image().rect());
    editor.QGraphicsScene::render(&painter, whole, whole, Qt::KeepAspectRatio);
    painter.end();
    return copy.toImage();
}

} // namespace EditorTestSupport

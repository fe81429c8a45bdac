#pragma once

#include "editor/Editor.h"

#include <QCoreApplication>
#include <QDir>
#include <QGraphicsItem>
#include <QGraphicsSceneMouseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QWidget>
#include <memory>

// Mouse input, captures and pixels for tests of the drawing items, the Editor and its view.
namespace EditorTestSupport {

// A left-button press, move with the button held, or release at `point`.
inline void mouse(Editor &editor, QEvent::Type type, const QPoint &point, bool shift = false)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(point);
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    event.setModifiers(shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(&editor, &event);
}

// One stroke of the current tool: a press at the first point, `steps` even moves towards each
// following point, a release at the last; a click when there is one point.
inline void drag(Editor &editor, const QVector<QPoint> &points, int steps = 2)
{
    mouse(editor, QEvent::GraphicsSceneMousePress, points.first());
    for (int i = 1; i < points.size(); ++i) {
        for (int step = 1; step <= steps; ++step)
            mouse(editor, QEvent::GraphicsSceneMouseMove,
                  points[i - 1] + (points[i] - points[i - 1]) * step / steps);
    }
    mouse(editor, QEvent::GraphicsSceneMouseRelease, points.last());
}

// A left-button press, move with the button held, or release on `widget` at `point`.
inline void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &point,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, point, widget->mapToGlobal(point),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

// A left-button drag on `widget`: a press at the first point, a move to each following one, a
// release at the last.
inline void dragOn(QWidget *widget, const QVector<QPoint> &points,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(widget, QEvent::MouseButtonPress, points.first(), modifiers);
    for (int i = 1; i < points.size(); ++i)
        sendMouse(widget, QEvent::MouseMove, points[i], modifiers);
    sendMouse(widget, QEvent::MouseButtonRelease, points.last(), modifiers);
}

// Frees now what was handed to deleteLater(): dropped items and documents.
inline void releaseDeleted()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Blue = x, green = y, red = 200 (modulo 256): a mosaic block's blue and green averages are
// the truncated means of its x and y ranges.
inline QImage gradientCapture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(200, y % 256, x % 256));
    }
    return image;
}

inline QImage filledImage(QSize size, QColor colour = Qt::white)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// An editor with `capture` written to a file of its own and loaded.
inline std::unique_ptr<Editor> editorWith(const QImage &capture)
{
    static int count = 0;
    const QString path = QDir::temp().filePath(QString("capture-%1.png").arg(++count));
    auto editor = std::make_unique<Editor>();
    if (capture.save(path)) {
        editor->setImagePath(path);
        editor->setImageLoaded(true);
    }
    return editor;
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

// Paints `item` over `image`, as the scene does when it flattens a document.
inline QImage paintedOver(QGraphicsItem &item, QImage image)
{
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    return image;
}

} // namespace EditorTestSupport

#pragma once

#include <QPixmap>
#include <QRect>

class Editor;
class QPainter;
class QRectF;

// What the view paints behind the items: the shown document flattened (image plus items,
// uncropped). Flattening a large capture with a few hundred items takes longer than a frame,
// so the picture is kept until the document changes. Right after a change only the part on
// screen is rendered; the whole document once the view shows more of it.
class ViewBackground
{
public:
    ViewBackground() = default;

    void invalidate();
    // Draws the picture's part under `exposed` (scene coordinates) into the scene. `visible`
    // is the part of the scene the view shows. While a stroke is being drawn the document
    // keeps its own picture up to date, and nothing is kept here.
    void draw(QPainter *painter, Editor &editor, const QRectF &exposed, const QRectF &visible,
              bool stroking);

private:
    static QPixmap renderPart(Editor &editor, const QRect &part);

    QPixmap picture_;
    QRect area_;
    qint64 imageKey_ = 0;
};

#pragma once

#include "editor/Editor.h"

class DrawingItem;

// Turns a tool into a new item of a document, styled from the preferences store as it is at
// this moment (defaults without a store). A new tool is added here, and only here.
class DrawingItemFactory
{
public:
    explicit DrawingItemFactory(Editor &editor) : editor_(editor) { }

    // A new item of `type` clipped to `imageRect`, a QObject child of the editor that follows
    // its changeSceneRect; null for the tools that draw no item.
    QGraphicsItem *create(Editor::ShapeType type, const QRectF &imageRect) const;

private:
    struct Style
    {
        QColor lineColor;
        QColor fillColor;
        int lineWidth;
        int penStyle;
    };

    QGraphicsItem *textItem(const QRectF &imageRect) const;
    QGraphicsItem *cropItem(const QRectF &imageRect) const;
    Style freehandStyle(int colorSlot) const;
    Style figureStyle() const;
    DrawingItem *styled(DrawingItem *item, const Style &style) const;
    QColor color(int slot, const QColor &fallback) const;
    int number(int slot, int fallback) const;

    Editor &editor_;
};

#include "editor/DrawingHighlighterItem.h"

#include <QPainter>

DrawingHighlighterItem::DrawingHighlighterItem(QObject *parent, const QRectF &sceneRect)
    : DrawingPenItem(parent, sceneRect)
{ }

void DrawingHighlighterItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                                   QWidget *widget)
{
    const QPainter::CompositionMode mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_Darken);
    DrawingPenItem::paint(painter, option, widget);
    painter->setCompositionMode(mode);
}

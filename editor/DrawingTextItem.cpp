#include "editor/DrawingTextItem.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>
#include <QTextDocument>

DrawingTextItem::DrawingTextItem(const QRectF &sceneRect)
    : sceneRect_(sceneRect), font_(QStringLiteral("Malgun Gothic"))
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges | ItemIsFocusable);
    setTextInteractionFlags(Qt::TextEditorInteraction);
    // Hangul and other composed scripts reach the box only as input-method events.
    setFlag(ItemAcceptsInputMethod);
    setFont(font_);
}

DrawingTextItem::~DrawingTextItem() = default;

QRectF DrawingTextItem::mousePress(const QPoint &point)
{
    setPos(point);
    setSelected(true);
    setFocus(Qt::OtherFocusReason);
    document()->setDocumentMargin(kMargin);
    setTextWidth(kMinWidth);
    return boundingRect();
}

QRectF DrawingTextItem::mouseMove(const QPoint &, const QPoint &point, bool)
{
    QGraphicsView *view = firstView();
    if (!view)
        return boundingRect();
    const QPointF local = mapFromScene(point);
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (contains(local))
        shape = innerRect().contains(local) ? Qt::IBeamCursor : Qt::SizeAllCursor;
    view->viewport()->setCursor(shape);
    return boundingRect();
}

QRectF DrawingTextItem::mouseRelease(const QPoint &, const QPoint &, bool)
{
    return boundingRect();
}

void DrawingTextItem::finish(bool succeed)
{
    endEdit(succeed, true);
}

void DrawingTextItem::onChangeFont(int fontSize, const QColor &color, int format)
{
    if (!isOpen())
        return;
    font_.setWeight(format & Bold ? QFont::Bold : QFont::Normal);
    font_.setItalic(format & Italic);
    font_.setUnderline(format & Underline);
    if (fontSize > 0)
        font_.setPointSize(fontSize);
    setFont(font_);
    setDefaultTextColor(color);
    fitWidth();
    // Typing goes on in the box after a choice in the popup.
    if (QGraphicsView *view = firstView()) {
        view->activateWindow();
        view->setFocus(Qt::OtherFocusReason);
        setFocus(Qt::OtherFocusReason);
    }
}

void DrawingTextItem::onChangeSceneRect(QRectF sceneRect)
{
    prepareGeometryChange();
    sceneRect_ = sceneRect;
    update();
}

void DrawingTextItem::fitWidth()
{
    setTextWidth(-1);
    if (QGraphicsTextItem::boundingRect().width() < kMinWidth)
        setTextWidth(kMinWidth);
}

QRectF DrawingTextItem::innerRect() const
{
    return boundingRect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QGraphicsView *DrawingTextItem::firstView() const
{
    const QList<QGraphicsView *> views = scene() ? scene()->views() : QList<QGraphicsView *>();
    return views.isEmpty() ? nullptr : views.first();
}

bool DrawingTextItem::sceneEvent(QEvent *event)
{
    const bool handled = QGraphicsTextItem::sceneEvent(event);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod) {
        fitWidth();
        if (event->type() == QEvent::InputMethod)
            ensureVisible(QRectF(), 50, 50);
        showToolPopup();
    }
    return handled;
}

void DrawingTextItem::focusOutEvent(QFocusEvent *event)
{
    // Focus that went to the popup, or away from the program, comes back to the box.
    if (!QApplication::activeWindow())
        return;
    if (toolPopup() && toolPopup()->isActiveWindow())
        return;
    QGraphicsTextItem::focusOutEvent(event);
}

void DrawingTextItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsTextItem::mousePressEvent(event);
    if (innerRect().contains(event->pos()))
        showToolPopup();
    else
        hideToolPopup();
}

QVariant DrawingTextItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemSceneHasChanged && value.value<QGraphicsScene *>() && !placed_ && isOpen()) {
        placed_ = true;
        emit fontRequested();
        showToolPopup();
        // The click point ends up at the box's vertical middle.
        moveBy(0, -boundingRect().height() / 2);
        setFocus(Qt::OtherFocusReason);
        emit moveTextItem(this);
    } else if (change == ItemPositionHasChanged && scene()) {
        emit moveTextItem(this);
    } else if (change == ItemSelectedHasChanged && !value.toBool() && scene()) {
        endEdit(true, false);
    }
    return QGraphicsTextItem::itemChange(change, value);
}

void DrawingTextItem::endEdit(bool succeed, bool abort)
{
    // Clearing the flags below deselects the box, which would close it a second time.
    static bool ending = false;
    if (ending || !isOpen())
        return;
    ending = true;
    hideToolPopup();
    releaseToolPopup();
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFlag(ItemIsMovable, false);
    setFlag(ItemIsSelectable, false);
    setFlag(ItemSendsGeometryChanges, false);
    setAcceptDrops(false);
    ending = false;
    emit finishEdit(succeed && !boundingRect().isEmpty() && !document()->isEmpty(), abort);
}

QRectF DrawingTextItem::boundingRect() const
{
    const QRectF whole = QGraphicsTextItem::boundingRect();
    if (isOpen())
        return whole;
    const QRectF inside = mapRectToScene(whole).intersected(sceneRect_);
    return inside.isEmpty() ? QRectF() : mapRectFromScene(inside);
}

void DrawingTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                            QWidget *widget)
{
    const QRectF bounds = boundingRect();
    // An open box belongs to the views only; the document's picture gets it once closed.
    if (bounds.isEmpty() || (isOpen() && !widget))
        return;
    QStyleOptionGraphicsItem plain(*option);
    plain.state = QStyle::State_None;
    const bool open = option->state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(bounds, Qt::IntersectClip);
    if (open)
        painter->fillRect(bounds, QColor(255, 255, 255, 127));
    QGraphicsTextItem::paint(painter, &plain, widget);
    painter->restore();
    if (open) {
        QPen frame(option->palette.brush(QPalette::Active, QPalette::Dark), 0, Qt::SolidLine,
                   Qt::SquareCap, Qt::BevelJoin);
        painter->setPen(frame);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(bounds.adjusted(0, 0, -1, 0));
    }
}

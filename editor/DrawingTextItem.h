#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingToolInterface.h"

#include <QFont>
#include <QGraphicsTextItem>

class QGraphicsView;

// A text box placed with the text tool: editable, movable by its margin and formatted from
// the text popup while open; fixed text, painted only inside the image, once closed. Text
// typed through an input method arrives as input-method events and is taken like keys.
class DrawingTextItem : public QGraphicsTextItem,
                        public DrawingInterface,
                        public DrawingToolInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingTextItem)

public:
    // Format bits, shared with the text popup and the stored text style.
    enum Format { Bold = 1, Italic = 2, Underline = 4 };
    static constexpr qreal kMargin = 6.0;
    static constexpr qreal kMinWidth = 150.0;

    explicit DrawingTextItem(const QRectF &sceneRect);
    ~DrawingTextItem() override;

    bool isOpen() const { return textInteractionFlags() != Qt::NoTextInteraction; }
    QRectF sceneRect() const { return sceneRect_; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    // Closes the box: kept when `succeed` and it holds text, dropped otherwise.
    void finish(bool succeed) override;

public slots:
    void onChangeFont(int fontSize, const QColor &color, int format);
    void onChangeSceneRect(QRectF sceneRect);

signals:
    void moveTextItem(DrawingTextItem *item);
    void finishEdit(bool succeed, bool abort);
    // The box has just opened and wants the popup's current settings.
    void fontRequested();

protected:
    bool sceneEvent(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void endEdit(bool succeed, bool abort);
    void fitWidth();
    QRectF innerRect() const;
    QGraphicsView *firstView() const;

    QRectF sceneRect_;
    QFont font_;
    bool placed_ = false;
};

#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QObject>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

class QPainter;

// Base of every drawing item of a document: its geometry, its style and the image
// rectangle it is clipped to. Items are QObjects so the Editor can reach them through
// signals (a crop moves the clip of every item) and owns them as their QObject parent.
class DrawingItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingItem)

public:
    DrawingItem(QObject *parent, const QRectF &sceneRect);
    ~DrawingItem() override;

    // The item's rectangle grown by paintMargin(), limited to the image.
    QRectF boundingRect() const override;

    void setStyle(const QColor &lineColor, const QColor &fillColor, int lineWidth, int penStyle);

    QRectF rect() const { return rect_; }
    QColor lineColor() const { return lineColor_; }
    QColor fillColor() const { return fillColor_; }
    int lineWidth() const { return lineWidth_; }
    int penStyle() const { return penStyle_; }
    QRectF sceneRect() const { return sceneRect_; }

public slots:
    void onChangeSceneRect(QRectF sceneRect);

protected:
    // How far painting reaches beyond rect: the line width plus one covers square ends and
    // right-angled corners.
    virtual qreal paintMargin() const;
    // The same for outlines with acute corners, whose miter joins reach out up to about
    // twice the line width before the pen's miter limit cuts them off.
    qreal acuteCornerMargin() const;

    // Announces the change to the scene first, since the bounding rectangle follows rect:
    // an item that grows under the mouse never leaves a scene index stale.
    void setRect(const QRectF &rect);

    // The outline pen of every item: the line colour and width in the given style, with the
    // cap and join all items share.
    QPen outlinePen(Qt::PenStyle style) const;
    static QPen itemPen(const QColor &color, qreal width, Qt::PenStyle style);
    // Smooth edges and smooth scaling of pictures.
    static void setFigureHints(QPainter *painter);
    // Limits painting to the image rectangle.
    void clipToScene(QPainter *painter) const;
    // `path` intersected with the image rectangle: the shape the eraser hits.
    QPainterPath clippedShape(const QPainterPath &path) const;

private:
    QRectF rect_;
    QColor lineColor_;
    QColor fillColor_;
    int lineWidth_ = 0;
    int penStyle_ = Qt::SolidLine;
    QRectF sceneRect_;
};

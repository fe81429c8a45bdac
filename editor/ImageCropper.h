#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <QWidget>

// The crop frame over the whole picture: everything outside the frame is darkened, the frame
// is moved by its inside and resized by its edges and corners. Widget pixels are picture
// pixels, and the frame never leaves the picture.
class ImageCropper : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ImageCropper)

public:
    enum Region {
        Outside = 0,
        Inside = 1,
        LeftEdge = 2,
        RightEdge = 3,
        TopEdge = 4,
        BottomEdge = 5,
        TopLeft = 6,
        TopRight = 7,
        BottomLeft = 8,
        BottomRight = 9
    };

    static constexpr int kMinResize = 50;
    static constexpr int kGrip = 10;

    explicit ImageCropper(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }
    QRect croppingRect() const { return croppingRect_; }
    // `rect` limited to the picture and at least 1 x 1.
    void setCroppingRect(const QRect &rect);
    // Exact sizes from the crop popup: the frame keeps its top-left corner and gives up
    // whatever would reach past the picture's right or bottom edge.
    void setCropSize(int width, int height);
    Region regionAt(const QPointF &point) const;
    static QCursor cursorFor(Region region, bool moving);

signals:
    void move();
    void sizeChanged(const QSize &size);
    void setProxyCursor(const QCursor &cursor);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect pictureRect() const;
    QRect resized(const QPoint &delta) const;
    void setFrame(const QRect &frame);
    void repaintRegion(const QRegion &region);
    void updateCursor(Region region);

    QPointF pressPos_;
    Region region_ = Outside;
    QRect startRect_;
    bool moving_ = false;
    bool resizing_ = false;
    QPixmap picture_;
    QRect croppingRect_ {0, 0, 170, 170};
};

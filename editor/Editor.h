#pragma once

#include "editor/StrokeRenderCache.h"
#include "editor/UndoLists.h"

#include <QGraphicsScene>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

class DrawingCropItem;
class DrawingInterface;
class DrawingTextItem;
class KestrelPreferences;
class QGraphicsItem;

// One annotated capture: the image, the drawing items placed on it and the undo and redo
// lists of those items (UndoLists says who owns which item). Mouse input on the scene
// becomes items of the current tool, made by DrawingItemFactory.
class Editor : public QGraphicsScene
{
    Q_OBJECT
    Q_DISABLE_COPY(Editor)

public:
    // The numbers are stored in the preferences ("LastDrawingItem"); keep them. Any stored
    // number may come back, so the type holds every int; unknown ones create nothing.
    enum ShapeType : int {
        Eraser = 0,
        Pen = 1,
        Highlighter = 2,
        Line = 3,
        Arrow = 4,
        Rect = 5,
        Circle = 6,
        SpeechBalloon = 7,
        Mosaic = 8,
        Text = 9,
        TextEditing = 10,
        TextDone = 11,
        Crop = 12
    };
    Q_ENUM(ShapeType)

    // Captures declaring more pixels than this are refused unread: far beyond any screen,
    // and decoding one would exhaust memory.
    static constexpr qint64 kMaxImagePixels = 256 * 1000 * 1000;

    explicit Editor(QObject *parent = nullptr);
    ~Editor() override;

    void setImagePath(const QString &path) { imagePath_ = path; }
    QString imagePath() const { return imagePath_; }
    void setPreferences(KestrelPreferences *preferences);
    KestrelPreferences *preferences() const { return preferences_; }

    void setShapeType(ShapeType shapeType);
    ShapeType shapeType() const { return shapeType_; }
    ShapeType previousShapeType() const { return previousShapeType_; }
    void startCrop();
    // Ends an open text box (kept when it holds text) or crop frame (cancelled), as a change
    // of tool or of the document shown does.
    void settleOpenItem();
    // Ends an open text box or crop frame as Return (succeed) or Escape does.
    void finishOpenItem(bool succeed);
    bool hasOpenItem() const;

    void undo();
    void redo();
    void reset();
    bool canUndo() const { return undo_.canUndo(); }
    bool canRedo() const { return undo_.canRedo(); }
    const QList<QGraphicsItem *> &undoList() const { return undo_.undoList(); }
    const QList<QGraphicsItem *> &redoList() const { return undo_.redoList(); }

    // The image with every item painted over it, cropped unless `withoutCrop`; null when
    // the image is not loaded or cannot be copied.
    QPixmap render(bool withoutCrop);
    using QGraphicsScene::render;
    // The picture a save writes: an open text box or crop frame is ended first, and the
    // image is loaded for the moment when this capture is not the one shown.
    QImage picture();
    bool copyToClipboard();
    // Writes through a temporary file renamed over `path`, so a failed save leaves any
    // existing file as it was. The format is everything after the last dot of the name.
    bool save(const QString &path, bool remember, int quality);

    QRect imageRect();
    QRect cropRect() const { return cropRect_; }
    const QPixmap &image() const { return image_; }
    void setImageLoaded(bool loaded);
    bool isImageLoaded() const { return !image_.isNull(); }
    // The capture at `path`, or a null image when it is missing, unreadable or too large.
    static QImage loadCapture(const QString &path);

    void setSavedPath(const QString &path);
    QString savedPath() const { return savedPath_; }
    bool isSaved() const { return !savedPath_.isEmpty(); }

    double zoom() const { return zoom_; }
    void setZoom(double zoom) { zoom_ = zoom; }
    QPoint viewCenter() const { return viewCenter_; }
    void setViewCenter(const QPoint &center) { viewCenter_ = center; }
    bool gestureActive() const { return gestureActive_; }
    void setGestureActive(bool active) { gestureActive_ = active; }

signals:
    void changedShape(Editor::ShapeType shapeType);
    void changedItemList();
    void updateImageSize();
    void imageSaved(bool saved);
    void createTextItem(DrawingTextItem *item);
    void moveTextItem(DrawingTextItem *item);
    void finishTextItem();
    void createCropItem(DrawingCropItem *item);
    void moveCropItem(DrawingCropItem *item);
    void finishCropItem();
    void changeSceneRect(QRectF sceneRect);
    // Only when the answer of canUndo() or canRedo() changes.
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private slots:
    void onFinishTextEdit(bool succeed, bool abort);
    void onFinishCrop(bool succeed);
    void onCrop(QRect rect);

private:
    // Connects the text and crop items to the private slots.
    friend class DrawingItemFactory;
    class ImageLoadScope;

    QGraphicsItem *createItem(ShapeType type, const QRectF &imageRect);
    static DrawingInterface *drawingOf(QGraphicsItem *item);
    void eraseAt(const QPoint &point);
    QGraphicsItem *itemAt(const QPoint &point) const;
    void listsChanged();
    bool isStrokeTool() const;
    void loadImage();

    KestrelPreferences *preferences_ = nullptr;
    QString imagePath_;
    QPixmap image_;
    bool gestureActive_ = false;
    ShapeType shapeType_ = Rect;
    ShapeType previousShapeType_ = Rect;
    QPoint viewCenter_;
    QPoint pressPoint_ {-1, -1};
    QPoint lastPoint_ {-1, -1};
    // Whether the pointer has left the press point during the current stroke.
    bool strokeMoved_ = false;
    QGraphicsItem *currentItem_ = nullptr;
    QString savedPath_;
    double zoom_ = 1.0;
    QRect cropRect_;
    UndoLists undo_ {*this};
    StrokeRenderCache strokeCache_;
};

#include "editor/Editor.h"

#include "editor/DrawingInterface.h"
#include "editor/DrawingItemFactory.h"
#include "output/ImageFileWriter.h"
#include "preferences/KestrelPreferences.h"

#include <QClipboard>
#include <QGraphicsItem>
#include <QGraphicsSceneMouseEvent>
#include <QGuiApplication>
#include <QImageReader>

#include <utility>

// Loads the image for one question and drops it again afterwards when it was not loaded
// before, so a document left in the history does not keep its pixels.
class Editor::ImageLoadScope
{
public:
    explicit ImageLoadScope(Editor &editor) : editor_(editor), wasLoaded_(editor.isImageLoaded())
    {
        if (!wasLoaded_)
            editor_.loadImage();
    }
    ~ImageLoadScope()
    {
        if (!wasLoaded_)
            editor_.setImageLoaded(false);
    }
    Q_DISABLE_COPY(ImageLoadScope)

private:
    Editor &editor_;
    const bool wasLoaded_;
};

Editor::Editor(QObject *parent) : QGraphicsScene(parent)
{
    // Items grow under the mouse without announcing it to an index; a linear search over a
    // few hundred items is cheap and never stale.
    setItemIndexMethod(QGraphicsScene::NoIndex);
    // An open text box or crop frame paints only in the views, never in the flattened
    // picture, so its typing and dragging leave that picture as it is.
    connect(this, &QGraphicsScene::changed, this, [this] {
        if (!hasOpenItem())
            emit changedItemList();
    });
    connect(&undo_, &UndoLists::canUndoChanged, this, &Editor::canUndoChanged);
    connect(&undo_, &UndoLists::canRedoChanged, this, &Editor::canRedoChanged);
}

Editor::~Editor()
{
    strokeCache_.clear();
    // Items in the scene go with it, and the lists free the ones only they keep.
    QGraphicsItem *item = std::exchange(currentItem_, nullptr);
    if (item && item->scene() != this && !undo_.refersTo(item))
        delete item;
}

void Editor::setPreferences(KestrelPreferences *preferences)
{
    preferences_ = preferences;
    const int tool =
            preferences_ ? preferences_->getInt(KestrelPreferences::LastDrawingItem, Rect) : Rect;
    setShapeType(ShapeType(tool));
}

void Editor::setShapeType(ShapeType shapeType)
{
    settleOpenItem();
    if (shapeType_ != Crop)
        previousShapeType_ = shapeType_;
    shapeType_ = shapeType;
    emit changedShape(shapeType);
}

bool Editor::hasOpenItem() const
{
    return (shapeType_ == TextEditing || shapeType_ == Crop) && currentItem_;
}

void Editor::settleOpenItem()
{
    // Typed text is never lost to a change of tool or a save; only Escape drops it.
    finishOpenItem(shapeType_ == TextEditing);
}

void Editor::finishOpenItem(bool succeed)
{
    if (!hasOpenItem())
        return;
    if (DrawingInterface *drawing = drawingOf(currentItem_))
        drawing->finish(succeed);
}

void Editor::startCrop()
{
    if (shapeType_ != Crop)
        return;
    emit changeSceneRect(sceneRect());
    currentItem_ = createItem(Crop, sceneRect());
    if (currentItem_) {
        addItem(currentItem_);
        undo_.append(currentItem_);
    }
}

QGraphicsItem *Editor::createItem(ShapeType type, const QRectF &imageRect)
{
    QGraphicsItem *item = DrawingItemFactory(*this).create(type, imageRect);
    if (!item)
        return nullptr;
    if (!savedPath_.isEmpty()) {
        savedPath_.clear();
        emit imageSaved(false);
    }
    return item;
}

DrawingInterface *Editor::drawingOf(QGraphicsItem *item)
{
    return dynamic_cast<DrawingInterface *>(item);
}

void Editor::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mousePressEvent(event);
    if (gestureActive_ || shapeType_ == TextEditing || shapeType_ == Crop)
        return;
    const QPoint point = event->scenePos().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    if (shapeType_ == Eraser) {
        if (left)
            eraseAt(point);
        return;
    }
    if (shapeType_ == TextDone) {
        setShapeType(Text);
        return;
    }
    if (!left)
        return;
    pressPoint_ = lastPoint_ = point;
    strokeMoved_ = false;
    strokeCache_.clear();
    currentItem_ = createItem(shapeType_, QRectF(imageRect()));
    if (DrawingInterface *drawing = currentItem_ ? drawingOf(currentItem_) : nullptr) {
        drawing->mousePress(point);
        addItem(currentItem_);
        event->accept();
    }
}

void Editor::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseMoveEvent(event);
    if (shapeType_ == Crop)
        return;
    const QPoint point = event->scenePos().toPoint();
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (shapeType_ == Eraser) {
        if (leftHeld)
            eraseAt(point);
        return;
    }
    if (leftHeld && pressPoint_ != QPoint(-1, -1)) {
        DrawingInterface *drawing = currentItem_ ? drawingOf(currentItem_) : nullptr;
        if (!drawing)
            return;
        drawing->mouseMove(lastPoint_, point, shift);
        update();
        lastPoint_ = point;
        strokeMoved_ = strokeMoved_ || point != pressPoint_;
        return;
    }
    if (shapeType_ == TextEditing && currentItem_) {
        if (DrawingInterface *drawing = drawingOf(currentItem_))
            drawing->mouseMove(lastPoint_, point, shift);
        lastPoint_ = point;
    }
}

void Editor::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || shapeType_ == Eraser || shapeType_ == TextEditing
        || shapeType_ == Crop || pressPoint_ == QPoint(-1, -1))
        return;
    const QPoint point = event->scenePos().toPoint();
    strokeCache_.clear();
    strokeMoved_ = strokeMoved_ || point != pressPoint_;
    QGraphicsItem *item = std::exchange(currentItem_, nullptr);
    if (item && !strokeMoved_ && shapeType_ == Pen) {
        // A click with the pen leaves nothing behind; a stroke that came back to where it
        // started is a drawing like any other.
        removeItem(item);
        undo_.release(item);
    } else if (item) {
        if (DrawingInterface *drawing = drawingOf(item))
            drawing->mouseRelease(lastPoint_, point, event->modifiers() & Qt::ShiftModifier);
        undo_.commit(item);
    }
    pressPoint_ = lastPoint_ = QPoint(-1, -1);
}

void Editor::eraseAt(const QPoint &point)
{
    QGraphicsItem *item = itemAt(point);
    if (!item)
        return;
    undo_.append(item);
    removeItem(item);
}

QGraphicsItem *Editor::itemAt(const QPoint &point) const
{
    const QRectF area(QRect(QPoint(point.x() - 1, point.y() - 1), QSize(3, 3)));
    const QList<QGraphicsItem *> hits = items(area, Qt::IntersectsItemShape, Qt::DescendingOrder);
    return hits.isEmpty() ? nullptr : hits.first();
}

void Editor::undo()
{
    if (undo_.undo())
        listsChanged();
}

void Editor::redo()
{
    if (undo_.redo())
        listsChanged();
}

void Editor::listsChanged()
{
    strokeCache_.clear();
    update();
    if (hasOpenItem())
        emit changedItemList();
}

void Editor::reset()
{
    const int count = items().size();
    for (int i = 0; i < count; ++i)
        undo();
}

bool Editor::isStrokeTool() const
{
    return shapeType_ >= Pen && shapeType_ <= Mosaic;
}

QPixmap Editor::render(bool withoutCrop)
{
    if (image_.isNull())
        return QPixmap();
    const bool stroking = currentItem_ && isStrokeTool() && pressPoint_ != QPoint(-1, -1);
    const QPixmap flat = stroking ? strokeCache_.render(*this, image_, currentItem_)
                                  : StrokeRenderCache::flatten(*this, image_);
    if (flat.isNull())
        return QPixmap();
    if (!withoutCrop && !cropRect_.isEmpty())
        return flat.copy(cropRect_);
    return flat;
}

bool Editor::copyToClipboard()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setImage(render(false).toImage());
    return true;
}

QImage Editor::picture()
{
    settleOpenItem();
    ImageLoadScope scope(*this);
    return render(false).toImage();
}

bool Editor::save(const QString &path, bool remember, int quality)
{
    const QImage image = picture();
    if (image.isNull() || !ImageFileWriter(path).write(image, quality))
        return false;
    if (remember)
        setSavedPath(path);
    return true;
}

QRect Editor::imageRect()
{
    if (!cropRect_.isEmpty())
        return cropRect_;
    ImageLoadScope scope(*this);
    return image_.rect();
}

void Editor::setImageLoaded(bool loaded)
{
    if (!loaded) {
        strokeCache_.clear();
        image_ = QPixmap();
        return;
    }
    if (image_.isNull())
        loadImage();
}

void Editor::loadImage()
{
    image_ = QPixmap::fromImage(loadCapture(imagePath_));
    setSceneRect(QRectF(image_.rect()));
}

QImage Editor::loadCapture(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    QImageReader reader(path);
    // The header alone tells the size; a bomb is refused before any pixel is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxImagePixels)
        return QImage();
    return reader.read();
}

void Editor::setSavedPath(const QString &path)
{
    savedPath_ = path;
    emit imageSaved(!path.isEmpty());
}

void Editor::onFinishTextEdit(bool succeed, bool abort)
{
    QGraphicsItem *item = std::exchange(currentItem_, nullptr);
    if (item && succeed) {
        undo_.commit(item);
    } else if (item) {
        if (item->scene() == this)
            removeItem(item);
        undo_.release(item, true);
    }
    emit finishTextItem();
    setShapeType(abort ? Text : TextDone);
}

void Editor::onFinishCrop(bool succeed)
{
    QGraphicsItem *item = std::exchange(currentItem_, nullptr);
    if (item && !succeed) {
        undo_.removeOne(item);
        if (item->scene() == this)
            removeItem(item);
        undo_.release(item, true);
    }
    emit finishCropItem();
    setShapeType(previousShapeType_);
}

void Editor::onCrop(QRect rect)
{
    strokeCache_.clear();
    cropRect_ = rect;
    emit updateImageSize();
    emit changeSceneRect(QRectF(imageRect()));
    update();
    emit changedItemList();
}

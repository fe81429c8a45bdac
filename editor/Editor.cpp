#include "editor/Editor.h"

#include "editor/DrawingArrowItem.h"
#include "editor/DrawingCircleItem.h"
#include "editor/DrawingHighlighterItem.h"
#include "editor/DrawingLineItem.h"
#include "editor/DrawingMosaicItem.h"
#include "editor/DrawingPenItem.h"
#include "editor/DrawingRectItem.h"
#include "editor/DrawingSpeechBalloonItem.h"
#include "output/GifWriter.h"
#include "output/WriteFileAtomically.h"
#include "preferences/KestrelPreferences.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGraphicsSceneMouseEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QSet>

#include <utility>

namespace {

// Values used when no preferences store is attached, and as the store's fall-backs.
constexpr int kDefaultShapeType = Editor::Rect;
constexpr int kDefaultLineWidth = 3;
constexpr int kDefaultFigureLineType = Qt::SolidLine;
constexpr int kDefaultMosaicStrength = 6;
const QColor kDefaultOutlineColor(255, 0, 0);
// The pen and the highlighter get the figure fill's default, never the stored fill.
const QColor kDefaultFillColor(0, 0, 0, 0);

struct ItemStyle
{
    QColor lineColor;
    QColor fillColor;
    int lineWidth;
    int penStyle;
};

QColor colorSetting(const KestrelPreferences *preferences, int slot, const QColor &fallback)
{
    return preferences ? preferences->getColor(slot, fallback) : fallback;
}

int intSetting(const KestrelPreferences *preferences, int slot, int fallback)
{
    return preferences ? preferences->getInt(slot, fallback) : fallback;
}

ItemStyle styleFor(Editor::ShapeType type, const KestrelPreferences *preferences)
{
    const int lineWidth = intSetting(preferences, KestrelPreferences::LineWidth, kDefaultLineWidth);
    switch (type) {
    case Editor::Pen:
        return {colorSetting(preferences, KestrelPreferences::PenColor, kDefaultOutlineColor),
                kDefaultFillColor, lineWidth, Qt::SolidLine};
    case Editor::Highlighter:
        return {colorSetting(preferences, KestrelPreferences::HighlighterColor,
                             kDefaultOutlineColor),
                kDefaultFillColor, lineWidth, Qt::SolidLine};
    case Editor::Mosaic:
        return {Qt::transparent, Qt::transparent, 1, Qt::SolidLine};
    default:
        return {colorSetting(preferences, KestrelPreferences::FigureLineColor,
                             kDefaultOutlineColor),
                colorSetting(preferences, KestrelPreferences::FigureFillColor, kDefaultFillColor),
                lineWidth,
                intSetting(preferences, KestrelPreferences::FigureLineType,
                           kDefaultFigureLineType)};
    }
}

bool isGifName(const QString &suffix)
{
    return suffix.compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0;
}

bool writeImage(const QPixmap &pixmap, const QString &path, int quality)
{
    const QString suffix = QFileInfo(path).completeSuffix();
    if (isGifName(suffix)) {
        GifWriter writer;
        writer.addFrame(pixmap.toImage());
        return writer.save(path);
    }
    const QByteArray format = suffix.toLower().toLatin1();
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format))
        return false;
    return WriteFileAtomically(
            path, [&](QIODevice &file) { return pixmap.save(&file, format.constData(), quality); });
}

} // namespace

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
    connect(this, &QGraphicsScene::changed, this, &Editor::changedItemList);
}

Editor::~Editor()
{
    strokeCache_.clear();
    // Items in the scene go with it; those only the lists keep are ours.
    QSet<QGraphicsItem *> listed;
    for (QGraphicsItem *item : undoList_ + redoList_) {
        if (item->scene() != this)
            listed.insert(item);
    }
    undoList_.clear();
    redoList_.clear();
    if (currentItem_ && currentItem_->scene() != this)
        listed.insert(currentItem_);
    currentItem_ = nullptr;
    qDeleteAll(listed);
}

void Editor::setPreferences(KestrelPreferences *preferences)
{
    preferences_ = preferences;
    setShapeType(ShapeType(
            intSetting(preferences_, KestrelPreferences::LastDrawingItem, kDefaultShapeType)));
}

void Editor::setShapeType(ShapeType shapeType)
{
    finishOpenItem();
    if (shapeType_ != Crop)
        previousShapeType_ = shapeType_;
    shapeType_ = shapeType;
    emit changedShape(shapeType);
}

void Editor::finishOpenItem()
{
    if ((shapeType_ == TextEditing || shapeType_ == Crop) && currentItem_) {
        if (DrawingInterface *drawing = drawingOf(currentItem_))
            drawing->finish(false);
    }
}

void Editor::startCrop()
{
    if (shapeType_ != Crop)
        return;
    emit changeSceneRect(sceneRect());
    currentItem_ = createItem(Crop, sceneRect());
    if (currentItem_) {
        addItem(currentItem_);
        undoList_.append(currentItem_);
    }
}

QGraphicsItem *Editor::createItem(ShapeType type, const QRectF &imageRect)
{
    QGraphicsItem *item = createStyledItem(type, imageRect);
    if (!item)
        return nullptr;
    if (!savedPath_.isEmpty()) {
        savedPath_.clear();
        emit imageSaved(false);
    }
    return item;
}

QGraphicsItem *Editor::createStyledItem(ShapeType type, const QRectF &imageRect)
{
    DrawingItem *item = nullptr;
    switch (type) {
    case Pen:
        item = new DrawingPenItem(this, imageRect);
        break;
    case Highlighter:
        item = new DrawingHighlighterItem(this, imageRect);
        break;
    case Line:
        item = new DrawingLineItem(this, imageRect);
        break;
    case Arrow:
        item = new DrawingArrowItem(this, imageRect);
        break;
    case Rect:
        item = new DrawingRectItem(this, imageRect);
        break;
    case Circle:
        item = new DrawingCircleItem(this, imageRect);
        break;
    case SpeechBalloon:
        item = new DrawingSpeechBalloonItem(this, imageRect);
        break;
    case Mosaic:
        item = new DrawingMosaicItem(this, imageRect, render(true));
        break;
    case Text:
    case Crop:
        // Text boxes and crop frames bring their own popups and signals; no item yet.
        return nullptr;
    default:
        return nullptr;
    }
    const ItemStyle style = styleFor(type, preferences_);
    item->setStyle(style.lineColor, style.fillColor, style.lineWidth, style.penStyle);
    if (type == Mosaic) {
        static_cast<DrawingMosaicItem *>(item)->setBlockSize(intSetting(
                preferences_, KestrelPreferences::MosaicStrength, kDefaultMosaicStrength));
    }
    connect(this, &Editor::changeSceneRect, item, &DrawingItem::onChangeSceneRect);
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
    if (point == pressPoint_ && shapeType_ == Pen) {
        // A click with the pen leaves nothing behind.
        QGraphicsItem *item = std::exchange(currentItem_, nullptr);
        if (item) {
            removeItem(item);
            releaseIfUnreferenced(item);
        }
    } else if (currentItem_) {
        if (DrawingInterface *drawing = drawingOf(currentItem_))
            drawing->mouseRelease(lastPoint_, point, event->modifiers() & Qt::ShiftModifier);
        commitStroke(std::exchange(currentItem_, nullptr));
    }
    pressPoint_ = lastPoint_ = QPoint(-1, -1);
}

void Editor::commitStroke(QGraphicsItem *item)
{
    undoList_.append(item);
    dropRedoList();
}

void Editor::dropRedoList()
{
    const QList<QGraphicsItem *> dropped = std::exchange(redoList_, {});
    const QSet<QGraphicsItem *> unique(dropped.cbegin(), dropped.cend());
    for (QGraphicsItem *item : unique)
        releaseIfUnreferenced(item);
}

void Editor::releaseIfUnreferenced(QGraphicsItem *item, bool deferred)
{
    if (!item || item == currentItem_ || item->scene() == this || undoList_.contains(item)
        || redoList_.contains(item))
        return;
    // An item that is sending the signal we are handling must outlive that call.
    QObject *object = dynamic_cast<QObject *>(item);
    if (deferred && object)
        object->deleteLater();
    else
        delete item;
}

void Editor::eraseAt(const QPoint &point)
{
    QGraphicsItem *item = itemAt(point);
    if (!item)
        return;
    undoList_.append(item);
    removeItem(item);
}

QGraphicsItem *Editor::itemAt(const QPoint &point) const
{
    const QRectF area(QRect(QPoint(point.x() - 1, point.y() - 1), QSize(3, 3)));
    const QList<QGraphicsItem *> hits = items(area, Qt::IntersectsItemShape, Qt::DescendingOrder);
    return hits.isEmpty() ? nullptr : hits.first();
}

void Editor::toggleMembership(QGraphicsItem *item)
{
    strokeCache_.clear();
    if (item->scene() == this)
        removeItem(item);
    else
        addItem(item);
    update();
}

void Editor::undo()
{
    if (undoList_.isEmpty())
        return;
    QGraphicsItem *item = undoList_.takeLast();
    redoList_.append(item);
    toggleMembership(item);
}

void Editor::redo()
{
    if (redoList_.isEmpty())
        return;
    QGraphicsItem *item = redoList_.takeLast();
    undoList_.append(item);
    toggleMembership(item);
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

bool Editor::save(const QString &path, bool remember, int quality)
{
    finishOpenItem();
    ImageLoadScope scope(*this);
    const QPixmap pixmap = render(false);
    if (pixmap.isNull() || !writeImage(pixmap, path, quality))
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
        commitStroke(item);
    } else if (item) {
        if (item->scene() == this)
            removeItem(item);
        releaseIfUnreferenced(item, true);
    }
    emit finishTextItem();
    setShapeType(abort ? Text : TextDone);
}

void Editor::onFinishCrop(bool succeed)
{
    QGraphicsItem *item = std::exchange(currentItem_, nullptr);
    if (item && !succeed) {
        undoList_.removeOne(item);
        if (item->scene() == this)
            removeItem(item);
        releaseIfUnreferenced(item, true);
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

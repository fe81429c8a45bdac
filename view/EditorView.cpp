#include "view/EditorView.h"

#include "editor/DrawingCropItem.h"
#include "editor/DrawingTextItem.h"
#include "output/CaptureMimeData.h"
#include "popups/CropPopup.h"
#include "popups/TextPopup.h"
#include "preferences/KestrelPreferences.h"
#include "widgets/ImageToolWidget.h"
#include "widgets/ItemButton.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGestureEvent>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QScroller>
#include <QSet>
#include <QTouchDevice>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Distances of the overlays and popups from the view's edges and from what they follow.
constexpr int kOverlayMargin = 10;
constexpr int kImageToolBottomMargin = 20;
constexpr int kPopupGap = 10;

QCursor svgCursor(const QString &path)
{
    const QPixmap picture(path);
    return QCursor(picture, picture.width() / 2, picture.height() / 2);
}

// Touch screens do not come and go while the program runs.
bool hasTouchScreen()
{
    static const bool found = [] {
        const QList<const QTouchDevice *> devices = QTouchDevice::devices();
        return std::any_of(devices.cbegin(), devices.cend(), [](const QTouchDevice *device) {
            return device->type() == QTouchDevice::TouchScreen;
        });
    }();
    return found;
}

// The wheel's turn in eighths of a degree, whichever way the wheel turned.
int wheelDelta(const QWheelEvent &event)
{
    const QPoint angle = event.angleDelta();
    return angle.y() != 0 ? angle.y() : angle.x();
}

double oneDecimal(double value)
{
    return std::round(value * 10) / 10;
}

} // namespace

EditorView::EditorView(QWidget *parent)
    : QGraphicsView(parent), imageTool_(new ImageToolWidget(this)),
      historyShowButton_(new ItemButton(this)), emptyEditor_(this),
      contextMenu_(new EditorContextMenu(this)),
      eraserCursor_(svgCursor(QStringLiteral(":/res/EditorView/point_eraser.svg"))),
      penCursor_(svgCursor(QStringLiteral(":/res/EditorView/point_pen.svg"))),
      highlighterCursor_(svgCursor(QStringLiteral(":/res/EditorView/point_highlighter.svg")))
{
    // An open text box follows the mouse without a button held.
    setMouseTracking(true);
    // Zoom steps keep their own anchor (the pointer or the centre) from the event itself;
    // the view's anchors would ask the system where the cursor is.
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setScene(&emptyEditor_);

    connect(contextMenu_, &EditorContextMenu::chosen, this, &EditorView::onContextMenuChosen);

    historyShowButton_->setObjectName(QStringLiteral("historyShow_"));
    historyShowButton_->setToolTip(tr("Show history"));
    historyShowButton_->hide();
    connect(historyShowButton_, &QPushButton::clicked, this, &EditorView::onClickHistoryShow);
    imageTool_->hide();
    connect(imageTool_, &ImageToolWidget::zoomIn, this, &EditorView::onZoomIn);
    connect(imageTool_, &ImageToolWidget::zoomOut, this, &EditorView::onZoomOut);
    connect(this, &EditorView::moveMainWindow, this, &EditorView::onMoveMainWindow);

    // The popups float beside the view, over the window that holds it.
    textPopup_ = new TextPopup(parent);
    textPopup_->hide();
    cropPopup_ = new CropPopup(parent);
    cropPopup_->hide();
    // Showing a popup must not take the keyboard from the text box being typed in; window
    // managers that focus every new window are asked not to.
    textPopup_->setAttribute(Qt::WA_ShowWithoutActivating);
    cropPopup_->setAttribute(Qt::WA_ShowWithoutActivating);
    connect(cropPopup_, &CropPopup::cropped, this, &EditorView::cropped);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &EditorView::hideTextPopup);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &EditorView::hideTextPopup);

    if (hasTouchScreen()) {
        grabGesture(Qt::PanGesture);
        grabGesture(Qt::PinchGesture);
        QScroller *scroller = QScroller::scroller(viewport());
        QScrollerProperties properties = scroller->scrollerProperties();
        const QVariant off = QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff);
        properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy, off);
        properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy, off);
        scroller->setScrollerProperties(properties);
    }

    auto *flattened = new QAction(this);
    flattened->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_F));
    connect(flattened, &QAction::triggered, this, &EditorView::showFlattenedImage);
    addAction(flattened);
}

EditorView::~EditorView()
{
    disconnectEditor();
    // The popups go before the empty scene.
    delete textPopup_.data();
    delete cropPopup_.data();
    setScene(nullptr);
}

void EditorView::setPreferences(KestrelPreferences *preferences)
{
    preferences_ = preferences;
}

void EditorView::setToolMenu(EditorContextMenu::Entry entry, Menu *menu)
{
    contextMenu_->setToolMenu(entry, menu);
}

void EditorView::setEditor(Editor *editor)
{
    if (editor_) {
        editor_->setViewCenter(mapToScene(viewport()->rect().center()).toPoint());
        // A box left open would lose its popup and its text with the switch.
        if (editor_ != editor)
            editor_->settleOpenItem();
    }
    disconnectEditor();
    background_.invalidate();
    strokeFrame_.clear();
    // An open text box or crop frame is finished before its document is left.
    hidePopups();
    textItem_ = nullptr;
    cropItem_ = nullptr;
    editor_ = editor;
    if (!editor_) {
        setScene(&emptyEditor_);
        setSceneRect(QRectF());
        updateImageTool();
        updateGeometry();
        viewport()->update();
        return;
    }
    setScene(editor_);
    setSceneRect(QRectF(editor_->imageRect()));
    zoom_ = editor_->zoom();
    applyZoom();
    connectEditor();
    editor_->setPreferences(preferences_);
    emit canUndo(editor_->canUndo());
    emit canRedo(editor_->canRedo());
    // The inverse of how the centre was stored (the scene point at the viewport's centre
    // pixel, rounded): it returns to that pixel, so switching back and forth never drifts.
    scrollSceneTo(QPointF(editor_->viewCenter()), QPointF(viewport()->rect().center()));
    updateGeometry();
    viewport()->update();
}

void EditorView::connectEditor()
{
    editorConnections_ = {
            connect(editor_, &Editor::changedItemList, this, &EditorView::onChangedItemList),
            connect(editor_, &Editor::changedShape, this, &EditorView::onChangeShape),
            connect(editor_, &Editor::changeSceneRect, this, &EditorView::onChangeSceneRect),
            // The text and crop items are only declared here, so their signals are matched
            // by signature.
            connect(editor_, SIGNAL(createTextItem(DrawingTextItem *)), this,
                    SLOT(onCreateTextItem(DrawingTextItem *))),
            connect(editor_, SIGNAL(moveTextItem(DrawingTextItem *)), this,
                    SLOT(onMoveTextItem(DrawingTextItem *))),
            connect(editor_, &Editor::finishTextItem, this, &EditorView::onFinishTextItem),
            connect(editor_, SIGNAL(createCropItem(DrawingCropItem *)), this,
                    SLOT(onCreateCropItem(DrawingCropItem *))),
            connect(editor_, SIGNAL(moveCropItem(DrawingCropItem *)), this,
                    SLOT(onMoveCropItem(DrawingCropItem *))),
            connect(editor_, &Editor::finishCropItem, this, &EditorView::onFinishCropItem),
            connect(editor_, &Editor::updateImageSize, this, &EditorView::onUpdateImageSize),
            // A history row deleted while shown takes its document with it.
            connect(editor_, &QObject::destroyed, this, &EditorView::onEditorDestroyed),
    };
}

void EditorView::disconnectEditor()
{
    for (const QMetaObject::Connection &connection : qAsConst(editorConnections_))
        disconnect(connection);
    editorConnections_.clear();
}

void EditorView::onEditorDestroyed()
{
    // Nothing may be stored into the document any more: forget it before showing none.
    editor_ = nullptr;
    setEditor(nullptr);
}

double EditorView::steppedZoom(double zoom, int steps)
{
    return qBound(kMinZoom, oneDecimal(zoom + steps * 0.1), kMaxZoom);
}

void EditorView::onZoomIn()
{
    zoomBy(1, viewportCentre());
}

void EditorView::onZoomOut()
{
    zoomBy(-1, viewportCentre());
}

void EditorView::zoomBy(int steps, const QPointF &anchor)
{
    if (!editor_)
        return;
    const double zoom = steppedZoom(zoom_, steps);
    editor_->setZoom(zoom);
    setViewZoom(zoom, anchor);
}

void EditorView::setViewZoom(double zoom, const QPointF &anchor)
{
    if (!editor_)
        return;
    const QPointF scenePoint = mapToScene(QPoint(0, 0)) + anchor / transform().m11();
    zoom_ = zoom;
    applyZoom();
    scrollSceneTo(scenePoint, anchor);
    placePopups();
}

void EditorView::applyZoom()
{
    if (!editor_)
        return;
    setTransform(QTransform::fromScale(zoom_, zoom_));
    placePopups();
    updateImageTool();
    if (!historyShowButton_->isHidden())
        placeHistoryShowButton();
}

QPointF EditorView::viewportCentre() const
{
    return QRectF(viewport()->rect()).center();
}

void EditorView::scrollSceneTo(const QPointF &scenePoint, const QPointF &viewportPoint)
{
    // The viewport's top-left corner maps to the scroll bars' values exactly.
    const QPointF shift =
            transform().map(scenePoint) - transform().map(mapToScene(QPoint(0, 0))) - viewportPoint;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(shift.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(shift.y()));
}

void EditorView::wheelEvent(QWheelEvent *event)
{
    if (!editor_)
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int delta = wheelDelta(*event);
    if (modifiers & Qt::ControlModifier) {
        zoomBy(delta >= 0 ? 1 : -1, event->position());
    } else {
        // Shift would make the scroll bar jump a page; with Alt it scrolls by lines.
        if (modifiers & Qt::ShiftModifier)
            scrollWith(event, QPoint(delta, 0), Qt::AltModifier);
        else if (modifiers & Qt::AltModifier)
            scrollWith(event, QPoint(0, delta), modifiers);
        else
            QGraphicsView::wheelEvent(event);
        placePopups();
    }
    hideTextPopup();
}

void EditorView::scrollWith(QWheelEvent *event, const QPoint &angle,
                            Qt::KeyboardModifiers modifiers)
{
    QWheelEvent routed(event->position(), event->globalPosition(), QPoint(), angle,
                       event->buttons(), modifiers, event->phase(), event->inverted(),
                       event->source());
    QGraphicsView::wheelEvent(&routed);
    event->setAccepted(routed.isAccepted());
}

bool EditorView::event(QEvent *event)
{
    if (event->type() == QEvent::Gesture) {
        auto *gestures = static_cast<QGestureEvent *>(event);
        if (auto *pan = static_cast<QPanGesture *>(gestures->gesture(Qt::PanGesture)))
            panGesture(pan->state(), pan->delta());
        if (auto *pinch = static_cast<QPinchGesture *>(gestures->gesture(Qt::PinchGesture)))
            pinchGesture(pinch->state(), pinch);
        return true;
    }
    if (event->type() == QEvent::GestureOverride)
        event->accept();
    return QGraphicsView::event(event);
}

void EditorView::panGesture(Qt::GestureState state, const QPointF &delta)
{
    setGestureActive(state);
    const QPointF origin(0, 0);
    const QPointF globalOrigin = mapToGlobal(QPoint(0, 0));
    QWheelEvent horizontal(origin, globalOrigin, QPoint(), QPoint(int(delta.x()), 0),
                           Qt::LeftButton, Qt::ShiftModifier, Qt::NoScrollPhase, false);
    wheelEvent(&horizontal);
    QWheelEvent vertical(origin, globalOrigin, QPoint(), QPoint(0, int(delta.y())), Qt::LeftButton,
                         Qt::AltModifier, Qt::NoScrollPhase, false);
    wheelEvent(&vertical);
}

void EditorView::pinchGesture(Qt::GestureState state, QPinchGesture *pinch)
{
    setGestureActive(state);
    if (!editor_)
        return;
    if (state == Qt::GestureStarted) {
        pinch->setTotalScaleFactor(zoom_);
    } else if (state == Qt::GestureUpdated) {
        const double zoom = qBound(kMinZoom, oneDecimal(pinch->totalScaleFactor()), kMaxZoom);
        editor_->setZoom(zoom);
        setViewZoom(zoom, viewportCentre());
    }
}

// While fingers are on the screen, the scene takes no presses from them.
void EditorView::setGestureActive(Qt::GestureState state)
{
    if (!editor_)
        return;
    if (state == Qt::GestureStarted)
        editor_->setGestureActive(true);
    else if (state == Qt::GestureFinished || state == Qt::GestureCanceled)
        editor_->setGestureActive(false);
}

void EditorView::onChangeShape(Editor::ShapeType shapeType)
{
    if (editor_) {
        switch (shapeType) {
        case Editor::Eraser:
            viewport()->setCursor(eraserCursor_);
            break;
        case Editor::Pen:
        case Editor::Line:
        case Editor::Arrow:
            viewport()->setCursor(penCursor_);
            break;
        case Editor::Highlighter:
            viewport()->setCursor(highlighterCursor_);
            break;
        case Editor::Rect:
        case Editor::Circle:
        case Editor::SpeechBalloon:
        case Editor::Mosaic:
            viewport()->setCursor(Qt::CrossCursor);
            break;
        case Editor::Text:
        case Editor::TextDone:
            viewport()->setCursor(Qt::IBeamCursor);
            break;
        case Editor::TextEditing:
        case Editor::Crop:
            viewport()->setCursor(Qt::ArrowCursor);
            break;
        }
    }
    emit changeShape(shapeType);
}

void EditorView::onChangedItemList()
{
    if (!editor_)
        return;
    background_.invalidate();
    emit canUndo(editor_->canUndo());
    emit canRedo(editor_->canRedo());
}

void EditorView::onChangeSceneRect()
{
    if (editor_)
        setSceneRect(QRectF(editor_->imageRect()));
}

void EditorView::onUpdateImageSize()
{
    updateImageTool();
}

void EditorView::updateImageTool()
{
    if (!editor_) {
        imageTool_->hide();
        return;
    }
    imageTool_->setImageSize(editor_->imageRect().size());
    imageTool_->setZoomPercent(qRound(zoom_ * 10) * 10);
    imageTool_->move(rect().left() + kOverlayMargin,
                     rect().bottom() - imageTool_->height() - kImageToolBottomMargin);
    imageTool_->show();
    imageTool_->raise();
}

void EditorView::onClickHistoryShow()
{
    emit clickHistoryShow();
    historyShowButton_->hide();
}

void EditorView::onClickHistoryHide()
{
    // The history panel has just been hidden; let the layout give its room to the view.
    QCoreApplication::processEvents();
    placeHistoryShowButton();
    historyShowButton_->show();
    historyShowButton_->raise();
}

void EditorView::placeHistoryShowButton()
{
    historyShowButton_->adjustSize();
    historyShowButton_->move(rect().right() - visibleScrollBarWidth() - historyShowButton_->width()
                                     - kOverlayMargin,
                             rect().top() + kOverlayMargin);
}

int EditorView::visibleScrollBarWidth() const
{
    return verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
}

void EditorView::onMoveMainWindow()
{
    static bool moving = false;
    if (moving)
        return;
    const QScopedValueRollback<bool> guard(moving, true);
    hideTextPopup();
    placePopups();
}

void EditorView::onCreateTextItem(DrawingTextItem *item)
{
    textItem_ = item;
    if (!item || !textPopup_)
        return;
    textPopup_->setPreferences(preferences_);
    item->setToolPopup(
            textPopup_,
            {connect(textPopup_, &TextPopup::fontChanged, item, &DrawingTextItem::onChangeFont),
             connect(item, &DrawingTextItem::fontRequested, textPopup_, &TextPopup::announceFont)});
}

void EditorView::onMoveTextItem(DrawingTextItem *)
{
    placePopups();
}

void EditorView::onFinishTextItem()
{
    textItem_ = nullptr;
}

void EditorView::onCreateCropItem(DrawingCropItem *item)
{
    if (!editor_)
        return;
    // The frame may be dragged anywhere on the image, crop or not.
    const QSize image = editor_->image().size();
    setSceneRect(QRectF(QPointF(0, 0), QSizeF(image)));
    cropItem_ = item;
    if (item && cropPopup_) {
        CropPopup *popup = cropPopup_;
        item->setToolPopup(
                popup,
                {connect(popup, &CropPopup::cropped, item, &DrawingCropItem::onCropped),
                 connect(popup, &CropPopup::sizeChanged, item,
                         &DrawingCropItem::onPopupSizeChanged),
                 connect(item, &DrawingCropItem::popupRangeChanged, popup,
                         &CropPopup::setMaximumSize),
                 connect(item, &DrawingCropItem::popupSizeChanged, popup, &CropPopup::setSize)});
    }
    if (image.isEmpty() || (width() >= image.width() && height() >= image.height()))
        return;
    // The whole image fits while cropping; the document keeps the zoom it had.
    const double fit = std::min(double(height()) / image.height(), double(width()) / image.width());
    setViewZoom(std::max(kMinZoom, oneDecimal(fit)), viewportCentre());
}

void EditorView::onMoveCropItem(DrawingCropItem *)
{
    placePopups();
}

void EditorView::onFinishCropItem()
{
    cropItem_ = nullptr;
    // A cancelled frame leaves the crop as it was: only that part may be scrolled to again.
    onChangeSceneRect();
}

QPoint EditorView::cropPopupPosition(const QPoint &frameBottomRight, const QRect &view,
                                     const QSize &popup, int scrollBarWidth, int scrollBarHeight)
{
    const QPoint corner = frameBottomRight;
    int x = corner.x() - popup.width();
    int y = corner.y() + kPopupGap;
    x = std::min(std::max(view.left(), x),
                 view.left() + view.width() - scrollBarWidth - popup.width());
    y = std::min(std::max(view.top(), y),
                 view.top() + view.height() - scrollBarHeight - popup.height());
    const bool roomBelow = view.bottom() > corner.y();
    if (roomBelow && popup.height() <= view.bottom() - corner.y())
        return QPoint(x, y);
    if (roomBelow)
        y = corner.y() - popup.height() - kPopupGap;
    if (x + kPopupGap + popup.width() > corner.x())
        x = corner.x() - popup.width() - kPopupGap;
    return QPoint(x, y);
}

void EditorView::placePopups()
{
    if (textItem_ && textPopup_) {
        const QPoint box = viewport()->mapToGlobal(mapFromScene(textItem_->scenePos()));
        textPopup_->move(box - QPoint(0, textPopup_->QWidget::height() + kPopupGap));
        textPopup_->raise();
    }
    if (cropItem_ && cropPopup_) {
        const QRect frame = cropItem_->cropRect();
        const QPoint corner = viewport()->mapToGlobal(
                mapFromScene(QPointF(frame.left() + frame.width(), frame.top() + frame.height())));
        const QRect view(mapToGlobal(QPoint(0, 0)), QWidget::size());
        const int barHeight =
                horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
        cropPopup_->move(cropPopupPosition(corner, view, cropPopup_->QWidget::size(),
                                           visibleScrollBarWidth(), barHeight));
        cropPopup_->raise();
    }
}

void EditorView::hideTextPopup()
{
    if (textPopup_)
        textPopup_->hide();
}

void EditorView::showPopups()
{
    if (textItem_ && textPopup_)
        textPopup_->show();
    if (cropItem_ && cropPopup_)
        cropPopup_->show();
    placePopups();
}

void EditorView::hidePopups()
{
    if (textItem_ && textPopup_)
        textPopup_->hide();
    if (cropItem_ && cropPopup_)
        cropPopup_->hide();
}

void EditorView::showEvent(QShowEvent *event)
{
    QGraphicsView::showEvent(event);
    showPopups();
}

void EditorView::hideEvent(QHideEvent *event)
{
    QGraphicsView::hideEvent(event);
    hidePopups();
}

void EditorView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    applyZoom();
    // The history button keeps its corner even while no document is shown.
    if (!historyShowButton_->isHidden())
        placeHistoryShowButton();
}

void EditorView::contextMenuEvent(QContextMenuEvent *event)
{
    contextMenu_->setEnabled(editor_ != nullptr);
    if (editor_)
        contextMenu_->checkTool(editor_->shapeType());
    contextMenuPos_ = event->globalPos();
    contextMenu_->exec(event->globalPos());
    event->accept();
}

void EditorView::onContextMenuChosen(EditorContextMenu::Entry entry)
{
    switch (entry) {
    case EditorContextMenu::Figure:
        selectTool(storedFigure());
        break;
    case EditorContextMenu::Pen:
        selectTool(Editor::Pen);
        break;
    case EditorContextMenu::Highlighter:
        selectTool(Editor::Highlighter);
        break;
    case EditorContextMenu::Mosaic:
        selectTool(Editor::Mosaic);
        break;
    case EditorContextMenu::LineWidth:
        break;
    case EditorContextMenu::Text:
        emit contextMenuText();
        return;
    case EditorContextMenu::Crop:
        emit contextMenuCrop();
        return;
    case EditorContextMenu::Eraser:
        emit contextMenuEraser();
        return;
    case EditorContextMenu::Reset:
        emit contextMenuReset();
        return;
    case EditorContextMenu::Print:
        emit contextMenuPrint();
        return;
    }
    // As with the tool-bar buttons: the tool is chosen, then its options open.
    if (Menu *menu = contextMenu_->toolMenu(entry))
        menu->popup(contextMenuPos_);
}

// The tool with the settings it last had: the tool bar's drop-down buttons do the same
// before their menus open, and the next document shown starts with it too.
void EditorView::selectTool(Editor::ShapeType shape)
{
    if (!editor_)
        return;
    editor_->setShapeType(shape);
    if (preferences_)
        preferences_->setInt(KestrelPreferences::LastDrawingItem, shape);
}

Editor::ShapeType EditorView::storedFigure() const
{
    const int stored = preferences_
            ? preferences_->getInt(KestrelPreferences::FigureType, Editor::Rect)
            : Editor::Rect;
    return stored >= Editor::Line && stored <= Editor::SpeechBalloon ? Editor::ShapeType(stored)
                                                                     : Editor::Rect;
}

void EditorView::showFlattenedImage()
{
    if (!editor_)
        return;
    const QPixmap picture = editor_->render(false);
    auto *window = new QWidget(nullptr, Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(window);
    label->setPixmap(picture);
    label->setScaledContents(true);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(label);
    window->resize(picture.size());
    connect(editor_, &QObject::destroyed, window, &QWidget::close);
    window->show();
}

void EditorView::drawBackground(QPainter *painter, const QRectF &rect)
{
    static bool drawing = false;
    if (!editor_ || drawing) {
        QGraphicsView::drawBackground(painter, rect);
        return;
    }
    const QScopedValueRollback<bool> guard(drawing, true);
    painter->save();
    if (zoom_ < 1.0) {
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->setRenderHint(QPainter::Antialiasing);
    }
    const QRectF visible = mapToScene(viewport()->rect()).boundingRect();
    background_.draw(painter, *editor_, rect, visible, strokeFrame_.isActive());
    painter->restore();
}

void EditorView::paintEvent(QPaintEvent *event)
{
    if (strokeFrameHolds() && strokeFrame_.paint(viewport(), viewportTransform()))
        return;
    QGraphicsView::paintEvent(event);
}

// Undo, redo or erasing during a stroke change more than the item being drawn.
bool EditorView::strokeFrameHolds() const
{
    return strokeFrame_.isActive() && editor_ && editor_->undoList().size() == strokeUndoCount_
            && editor_->redoList().size() == strokeRedoCount_;
}

void EditorView::mousePressEvent(QMouseEvent *event)
{
    strokeFrame_.clear();
    const bool ctrlPress = editor_ && event->button() == Qt::LeftButton
            && (event->modifiers() & Qt::ControlModifier);
    ctrlDrag_.end();
    if (ctrlPress) {
        ctrlDrag_.press(event->pos());
        event->accept();
        return;
    }
    const bool stroke = editor_ && event->button() == Qt::LeftButton
            && editor_->shapeType() >= Editor::Pen && editor_->shapeType() <= Editor::Mosaic
            && !editor_->gestureActive();
    if (!stroke) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    // Taken before the press, the picture holds everything but the item the press makes.
    const QPixmap before = viewport()->grab();
    const QList<QGraphicsItem *> items = editor_->items();
    const QSet<QGraphicsItem *> earlier(items.cbegin(), items.cend());
    QGraphicsView::mousePressEvent(event);
    if (!editor_)
        return;
    for (QGraphicsItem *item : editor_->items()) {
        if (!earlier.contains(item)) {
            strokeFrame_.start(before, item, viewportTransform());
            strokeUndoCount_ = editor_->undoList().size();
            strokeRedoCount_ = editor_->redoList().size();
            break;
        }
    }
}

void EditorView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        ctrlDrag_.end(); // the drag took the release with it
    if (!ctrlDrag_.isPressed()) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    event->accept();
    if (editor_ && ctrlDrag_.startsAt(event->pos()))
        CaptureMimeData::startDrag(this, editor_->picture());
}

void EditorView::mouseReleaseEvent(QMouseEvent *event)
{
    if (ctrlDrag_.isPressed()) {
        ctrlDrag_.end();
        event->accept();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
    strokeFrame_.clear();
}

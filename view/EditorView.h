#pragma once

#include "editor/Editor.h"
#include "view/EditorContextMenu.h"
#include "view/StrokeFrame.h"
#include "view/ViewBackground.h"
#include "widgets/DragGesture.h"

#include <QCursor>
#include <QGraphicsView>
#include <QList>
#include <QMetaObject>
#include <QPointer>

class CropPopup;
class DrawingCropItem;
class DrawingTextItem;
class ImageToolWidget;
class ItemButton;
class KestrelPreferences;
class Menu;
class QPinchGesture;
class TextPopup;

// Shows one document at a time, each at its own zoom and scroll position, and routes what
// the scene does not handle itself: the wheel, touch gestures, the right-click menu, the
// tool cursors and the two overlays (image size and zoom bottom left, the button that
// brings the history back top right).
class EditorView : public QGraphicsView
{
    Q_OBJECT
    Q_DISABLE_COPY(EditorView)

public:
    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 4.0;

    explicit EditorView(QWidget *parent = nullptr);
    ~EditorView() override;

    // The store handed to every document shown; not owned.
    void setPreferences(KestrelPreferences *preferences);
    // Shows `editor` (not owned), or the empty scene for null. The document left keeps the
    // point at the centre of the view, so it reopens where it was.
    void setEditor(Editor *editor);
    Editor *editor() const { return editor_; }
    double zoom() const { return zoom_; }

    // Lets the context-menu entry of a tool open that tool's option menu (owned elsewhere).
    void setToolMenu(EditorContextMenu::Entry entry, Menu *menu);

    // `zoom` moved by `steps` tenths, kept to one decimal and within the zoom range.
    static double steppedZoom(double zoom, int steps);
    // Where the crop frame's size popup goes: below the frame's bottom-right corner, kept
    // inside the view (less its visible scroll bars), above the corner when there is no
    // room below, and then beside the corner rather than over it.
    static QPoint cropPopupPosition(const QPoint &frameBottomRight, const QRect &view,
                                    const QSize &popup, int scrollBarWidth, int scrollBarHeight);

signals:
    void canUndo(bool enabled);
    void canRedo(bool enabled);
    void changeShape(Editor::ShapeType shapeType);
    void clickHistoryShow();
    void contextMenuText();
    void contextMenuCrop();
    void contextMenuEraser();
    void contextMenuReset();
    void contextMenuPrint();
    void moveMainWindow();
    void cropped(bool apply);

public slots:
    void onZoomIn();
    void onZoomOut();
    void onChangeShape(Editor::ShapeType shapeType);
    void onChangedItemList();
    void onChangeSceneRect();
    void onClickHistoryShow();
    void onClickHistoryHide();
    void onMoveMainWindow();

private slots:
    void onUpdateImageSize();
    void onCreateTextItem(DrawingTextItem *item);
    void onMoveTextItem(DrawingTextItem *item);
    void onFinishTextItem();
    void onCreateCropItem(DrawingCropItem *item);
    void onMoveCropItem(DrawingCropItem *item);
    void onFinishCropItem();

protected:
    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void paintEvent(QPaintEvent *event) override;
    // The scene handles the mouse; the view only notes when a stroke begins and ends, and
    // keeps a press with Ctrl held for dragging the capture out of the window.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    // Touch gestures, one step each; `event` hands them over.
    void panGesture(Qt::GestureState state, const QPointF &delta);
    void pinchGesture(Qt::GestureState state, QPinchGesture *pinch);

private:
    void connectEditor();
    void disconnectEditor();
    void onEditorDestroyed();
    void setGestureActive(Qt::GestureState state);
    void zoomBy(int steps, const QPointF &anchor);
    // Passes the wheel on to the scroll bars as a turn of `angle` with `modifiers`.
    void scrollWith(QWheelEvent *event, const QPoint &angle, Qt::KeyboardModifiers modifiers);
    // Shows the view at `zoom` with the scene point under `anchor` (viewport coordinates)
    // left where it is; only the view changes, not the document's stored zoom.
    void setViewZoom(double zoom, const QPointF &anchor);
    void applyZoom();
    QPointF viewportCentre() const;
    // Scrolls so that `scenePoint` lies under `viewportPoint`, to the nearest pixel.
    void scrollSceneTo(const QPointF &scenePoint, const QPointF &viewportPoint);
    void updateImageTool();
    void placeHistoryShowButton();
    int visibleScrollBarWidth() const;
    void onContextMenuChosen(EditorContextMenu::Entry entry);
    void selectTool(Editor::ShapeType shape);
    Editor::ShapeType storedFigure() const;
    void showFlattenedImage();
    // The text and crop popups follow their items while these are open.
    void placePopups();
    void hideTextPopup();
    void showPopups();
    void hidePopups();
    bool strokeFrameHolds() const;

    KestrelPreferences *preferences_ = nullptr;
    ImageToolWidget *const imageTool_;
    ItemButton *const historyShowButton_;
    Editor *editor_ = nullptr;
    QList<QMetaObject::Connection> editorConnections_;
    Editor emptyEditor_;
    double zoom_ = 1.0;
    EditorContextMenu *const contextMenu_;
    QPoint contextMenuPos_;
    // Deleted with the view; their parent is the view's parent, which could delete them
    // first.
    QPointer<TextPopup> textPopup_;
    QPointer<CropPopup> cropPopup_;
    DrawingTextItem *textItem_ = nullptr;
    DrawingCropItem *cropItem_ = nullptr;
    ViewBackground background_;
    StrokeFrame strokeFrame_;
    int strokeUndoCount_ = 0;
    int strokeRedoCount_ = 0;
    // From a Ctrl press to its release the scene hears nothing of the mouse; once the press
    // has moved far enough, the capture is dragged out.
    DragGesture ctrlDrag_;
    const QCursor eraserCursor_;
    const QCursor penCursor_;
    const QCursor highlighterCursor_;
};

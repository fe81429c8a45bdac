#include "editor/DrawingTextItem.h"
#include "popups/TextPopup.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"
#include "tests/editor/EditorTestSupport.h"
#include "view/EditorView.h"
#include "widgets/ImageToolWidget.h"
#include "widgets/ItemButton.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPinchGesture>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace EditorTestSupport;

namespace {

// Opens the view's gesture steps to the tests; real gestures need a touch screen.
class GestureView : public EditorView
{
public:
    using EditorView::pinchGesture;
};

QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

// The scene point under a viewport position, unrounded.
QPointF sceneAt(const EditorView &view, const QPointF &position)
{
    return view.mapToScene(QPoint(0, 0)) + position / view.transform().m11();
}

// How far, in viewport pixels, a scene point has moved from where it was seen.
double drift(const EditorView &view, const QPointF &scenePoint, const QPointF &position)
{
    const QPointF moved = (sceneAt(view, position) - scenePoint) * view.transform().m11();
    return std::max(std::abs(moved.x()), std::abs(moved.y()));
}

void wheel(EditorView &view, const QPoint &position, int delta, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(position, view.viewport()->mapToGlobal(position), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &event);
}

// Pixels of two pictures that differ by more than a doubly painted antialiased edge does.
int clearlyDifferent(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            count += qAbs(p.red() - q.red()) + qAbs(p.green() - q.green()) > 80;
        }
    }
    return count;
}

} // namespace

class tst_EditorView : public QObject
{
    Q_OBJECT

    std::unique_ptr<KestrelPreferences> preferences_;
    std::unique_ptr<GestureView> view_;
    std::unique_ptr<Editor> document_;

    std::unique_ptr<Editor> capture() { return editorWith(gradientCapture(QSize(1200, 800))); }
    void mouse(QEvent::Type type, const QPoint &at) { sendMouse(view_->viewport(), type, at); }

private slots:
    void initTestCase() { qRegisterMetaType<Editor::ShapeType>(); }

    void init()
    {
        TestEnvironment::resetRegistry();
        preferences_.reset(new KestrelPreferences);
        QVERIFY(preferences_->initialize());
        view_.reset(new GestureView);
        view_->setPreferences(preferences_.get());
        view_->resize(400, 300);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        document_ = capture();
    }

    void cleanup()
    {
        view_.reset();
        document_.reset();
    }

    void zoomSteps_data()
    {
        columns<double, int, double>("start", "steps", "expected");
        row("4.0 in", 4.0, 1, 4.0);
        row("0.1 out", 0.1, -1, 0.1);
        row("30 out from 4.0", 4.0, -30, 1.0);
        row("30 in from 1.0", 1.0, 30, 4.0);
    }

    void zoomSteps()
    {
        QFETCH(double, start);
        QFETCH(int, steps);
        QFETCH(double, expected);
        document_->setZoom(start);
        view_->setEditor(document_.get());
        for (int i = 0; i < std::abs(steps); ++i)
            steps > 0 ? view_->onZoomIn() : view_->onZoomOut();
        QCOMPARE(exact(view_->zoom()), exact(expected));
        QCOMPARE(exact(document_->zoom()), exact(expected));
        QCOMPARE(exact(view_->transform().m11()), exact(expected));
        QCOMPARE(view_->findChild<ImageToolWidget *>()->zoomText(),
                 QString("%1 %").arg(qRound(expected * 100)));
    }

    // The point under the pointer (wheel) or at the centre (buttons) stays where it was,
    // step after step.
    void zoomKeepsAnchor()
    {
        for (const bool withWheel : {true, false}) {
            document_->setZoom(1.0);
            view_->setEditor(document_.get());
            view_->horizontalScrollBar()->setValue(400);
            view_->verticalScrollBar()->setValue(250);
            const QPoint pointer(100, 80);
            const QPointF anchor =
                    withWheel ? QPointF(pointer) : QRectF(view_->viewport()->rect()).center();
            const QPointF scenePoint = sceneAt(*view_, anchor);
            for (int step = 0; step < 12; ++step) {
                const int delta = step < 4 ? -120 : 120;
                if (withWheel)
                    wheel(*view_, pointer, delta, Qt::ControlModifier);
                else
                    delta < 0 ? view_->onZoomOut() : view_->onZoomIn();
                QVERIFY2(drift(*view_, scenePoint, anchor) <= 1.0,
                         qPrintable(exact(view_->zoom())));
            }
        }
    }

    void switchingKeepsZoomAndCentre()
    {
        std::unique_ptr<Editor> other = capture();
        const QPointF centre = QRectF(view_->viewport()->rect()).center();
        view_->setEditor(document_.get());
        view_->onZoomIn();
        view_->horizontalScrollBar()->setValue(333);
        view_->verticalScrollBar()->setValue(171);
        const QPointF first = sceneAt(*view_, centre);
        view_->setEditor(other.get());
        view_->onZoomOut();
        view_->onZoomOut();
        view_->horizontalScrollBar()->setValue(97);
        const QPointF second = sceneAt(*view_, centre);
        for (int round = 0; round < 20; ++round) {
            view_->setEditor(document_.get());
            QCOMPARE(exact(view_->zoom()), exact(1.1));
            QVERIFY2(drift(*view_, first, centre) <= 1.0, QByteArray::number(round));
            view_->setEditor(other.get());
            QCOMPARE(exact(view_->zoom()), exact(0.8));
            QVERIFY2(drift(*view_, second, centre) <= 1.0, QByteArray::number(round));
        }
    }

    // A document left, or destroyed while shown, no longer reaches the view; the one shown
    // does: its tool sets the cursor and is passed on, as is what can be undone.
    void leavesNothingOfOldDocument_data()
    {
        columns<bool>("destroy");
        row("switched away", false);
        row("destroyed", true);
    }

    void leavesNothingOfOldDocument()
    {
        QFETCH(bool, destroy);
        std::unique_ptr<Editor> other = capture();
        view_->setEditor(document_.get());
        if (destroy) {
            document_.reset();
            QCOMPARE(view_->editor(), nullptr);
            QVERIFY(view_->findChild<ImageToolWidget *>()->isHidden());
            view_->onZoomIn();
            wheel(*view_, QPoint(10, 10), 120, Qt::ControlModifier);
            QVERIFY(!view_->grab().isNull());
            QCOMPARE(exact(view_->zoom()), exact(1.0));
            return;
        }
        view_->setEditor(other.get());
        other->setShapeType(Editor::Rect);
        QCoreApplication::processEvents();
        QSignalSpy shapes(view_.get(), &EditorView::changeShape);
        QSignalSpy undos(view_.get(), &EditorView::canUndo);
        for (Editor *editor : {document_.get(), other.get()}) {
            editor->setShapeType(Editor::Rect);
            drag(*editor, {QPoint(10, 10), QPoint(90, 90)});
            editor->setShapeType(Editor::Eraser);
            QCoreApplication::processEvents();
            const bool shown = editor == other.get();
            QCOMPARE(shapes.count(), shown ? 2 : 0);
            QCOMPARE(undos.count() > 0, shown);
            QCOMPARE(view_->viewport()->cursor().shape(),
                     shown ? Qt::BitmapCursor : Qt::CrossCursor);
        }
    }

    void pinchStoresZoomCropFitDoesNot()
    {
        document_->setZoom(2.5);
        view_->setEditor(document_.get());
        QPinchGesture pinch;
        view_->pinchGesture(Qt::GestureStarted, &pinch);
        QCOMPARE(pinch.totalScaleFactor(), 2.5);
        QVERIFY(document_->gestureActive());
        pinch.setTotalScaleFactor(1.64);
        view_->pinchGesture(Qt::GestureUpdated, &pinch);
        QCOMPARE(exact(document_->zoom()), exact(1.6));
        pinch.setTotalScaleFactor(9.0);
        view_->pinchGesture(Qt::GestureUpdated, &pinch);
        QCOMPARE(exact(document_->zoom()), exact(4.0));
        view_->pinchGesture(Qt::GestureFinished, &pinch);
        QVERIFY(!document_->gestureActive());

        // A crop frame shows the whole 1200 x 800 image in the 400 x 300 view.
        emit document_->createCropItem(nullptr);
        QCOMPARE(exact(view_->zoom()), exact(0.3));
        QCOMPARE(exact(document_->zoom()), exact(4.0));
    }

    // The shown tool's entry is checked; a tool entry selects its tool with its stored
    // settings, the others ask the window. Without a document the menu is disabled.
    void contextMenu_data()
    {
        using E = Editor;
        columns<E::ShapeType, QString, QString, E::ShapeType, E::ShapeType, QByteArray>(
                "tool", "checked", "entry", "storedFigure", "chosen", "signal");
        const QString figure = "Figure (&S)", pen = "Pen (&D)", eraser = "Eraser (&E)", none;
        const QByteArray tool, text = SIGNAL(contextMenuText()),
                               erase = SIGNAL(contextMenuEraser()),
                               print = SIGNAL(contextMenuPrint());
        const auto unset = E::ShapeType(-1); // no figure stored, or no document shown
        row("circle; figure", E::Circle, figure, figure, E::Circle, E::Circle, tool);
        row("pen; figure, text stored", E::Pen, pen, figure, E::Text, E::Rect, tool);
        row("text done; pen", E::TextDone, none, pen, unset, E::Pen, tool);
        row("eraser; text", E::Eraser, eraser, QString("Text (&T)"), unset, E::Eraser, text);
        row("rect; eraser", E::Rect, figure, eraser, unset, E::Rect, erase);
        row("rect; print", E::Rect, figure, QString("Print (&P)"), unset, E::Rect, print);
        row("no document", unset, QString("disabled"), pen, unset, unset, tool);
    }

    void contextMenu()
    {
        QFETCH(Editor::ShapeType, tool);
        QFETCH(QString, entry);
        QFETCH(Editor::ShapeType, storedFigure);
        QFETCH(QByteArray, signal);
        preferences_->setInt(KestrelPreferences::FigureType, storedFigure);
        if (tool >= 0) {
            view_->setEditor(document_.get());
            document_->setShapeType(tool);
        }
        QSignalSpy asked(view_.get(), signal.isEmpty() ? SIGNAL(destroyed()) : signal.constData());
        QString checked = "disabled";
        QAction *chosen = nullptr;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            if (menu->isEnabled())
                checked.clear();
            for (QAction *action : menu->actions()) {
                checked += action->isChecked() ? action->text() : QString();
                chosen = action->text() == entry ? action : chosen;
            }
            menu->close();
        });
        const QPoint at(30, 30);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view_->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(view_->viewport(), &event);
        QTEST(checked, "checked");
        if (tool < 0)
            return;
        preferences_->setInt(KestrelPreferences::LastDrawingItem, tool);
        chosen->trigger();
        QCOMPARE(asked.count(), signal.isEmpty() ? 0 : 1);
        QTEST(document_->shapeType(), "chosen");
        QTEST(Editor::ShapeType(preferences_->getInt(KestrelPreferences::LastDrawingItem, -1)),
              "chosen");
    }

    void wheelRouting_data()
    {
        columns<int, double, bool, bool>("modifiers", "zoom", "horizontal", "vertical");
        row("ctrl zooms", int(Qt::ControlModifier), 0.9, false, false);
        row("shift scrolls sideways", int(Qt::ShiftModifier), 1.0, true, false);
        row("alt scrolls down", int(Qt::AltModifier), 1.0, false, true);
        row("plain scrolls down", int(Qt::NoModifier), 1.0, false, true);
    }

    void wheelRouting()
    {
        QFETCH(int, modifiers);
        QFETCH(double, zoom);
        view_->setEditor(document_.get());
        QCOMPARE(view_->horizontalScrollBar()->value(), 0);
        QCOMPARE(view_->verticalScrollBar()->value(), 0);
        wheel(*view_, QPoint(5, 5), -120, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(exact(view_->zoom()), exact(zoom));
        QTEST(view_->horizontalScrollBar()->value() > 0, "horizontal");
        QTEST(view_->verticalScrollBar()->value() > 0, "vertical");
    }

    // The image tool bar keeps its place by the view's bottom-left corner, the history button
    // its place by the top-right corner of the picture, beside the scroll bar when there is one.
    void overlaysKeepTheirCorners()
    {
        view_->setEditor(document_.get());
        view_->onClickHistoryHide();
        auto *tool = view_->findChild<ImageToolWidget *>();
        auto *button = view_->findChild<ItemButton *>("historyShow_");
        QCOMPARE(tool->imageSizeText(), QString("Image size : 1200 x 800"));
        const auto toolGap = [&] {
            return tool->geometry().bottomLeft() - view_->rect().bottomLeft();
        };
        const auto buttonGap = [&] {
            return button->geometry().topRight() - view_->viewport()->geometry().topRight();
        };
        const QPoint toolAt = toolGap(), buttonAt = buttonGap();
        for (const QSize size : {QSize(640, 480), QSize(500, 360)}) {
            // The last size comes with no document shown, nor scroll bars; the button stays.
            if (size.width() == 500)
                view_->setEditor(nullptr);
            view_->resize(size);
            if (view_->editor())
                QCOMPARE(toolGap(), toolAt);
            QCOMPARE(buttonGap(), buttonAt);
            QVERIFY(button->isVisible());
        }
    }

    void flattenedImageWindow()
    {
        view_->setEditor(document_.get());
        QVERIFY(QMetaObject::invokeMethod(document_.get(), "onCrop",
                                          Q_ARG(QRect, QRect(10, 10, 300, 200))));
        const QWidgetList before = QApplication::topLevelWidgets();
        QTest::keyClick(view_.get(), Qt::Key_F,
                        Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QPointer<QWidget> window;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!before.contains(widget))
                window = widget;
        }
        QVERIFY(window);
        QCOMPARE(window->findChild<QLabel *>()->pixmap(Qt::ReturnByValue).size(), QSize(300, 200));
        document_.reset();
        QTRY_VERIFY(window.isNull());
    }

    // What the view shows is the document as it is now: while an item is dragged, after it
    // is committed and after it is undone, a view opened afresh shows the same.
    void pictureFollowsDocument()
    {
        // Scrolled, so the view's transform is not the identity.
        document_->setViewCenter(QPoint(500, 400));
        view_->setEditor(document_.get());
        auto fresh = [this] {
            EditorView other;
            other.resize(view_->size());
            other.show();
            other.setEditor(document_.get());
            QCoreApplication::processEvents();
            return other.viewport()->grab().toImage();
        };
        auto shown = [this] {
            QCoreApplication::processEvents();
            return view_->viewport()->grab().toImage();
        };
        const QImage empty = shown();
        drag(*document_, {QPoint(600, 450), QPoint(680, 520)});
        mouse(QEvent::MouseButtonPress, QPoint(40, 40));
        mouse(QEvent::MouseMove, QPoint(120, 100));
        QCOMPARE(clearlyDifferent(shown(), fresh()), 0);
        // The earlier item goes while the new one is being drawn.
        document_->undo();
        QCOMPARE(clearlyDifferent(shown(), fresh()), 0);
        mouse(QEvent::MouseMove, QPoint(200, 150));
        QCOMPARE(clearlyDifferent(shown(), fresh()), 0);
        QVERIFY(clearlyDifferent(shown(), empty) > 100);
        mouse(QEvent::MouseButtonRelease, QPoint(200, 150));
        QCOMPARE(shown(), fresh());
        document_->undo();
        QCOMPARE(shown(), fresh());
        QCOMPARE(clearlyDifferent(shown(), empty), 0);
    }

    // A text box is dragged by its margin and its format bar follows it; a press on the
    // margin puts the bar away, a press on the text brings it back.
    void textBoxMovesByItsMargin()
    {
        view_->setEditor(document_.get());
        document_->setShapeType(Editor::Text);
        const QPoint click = view_->mapFromScene(QPoint(100, 100));
        mouse(QEvent::MouseButtonPress, click);
        mouse(QEvent::MouseButtonRelease, click);
        auto *box = dynamic_cast<DrawingTextItem *>(document_->focusItem());
        QVERIFY(box);
        TextPopup *bar = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            bar = bar ? bar : qobject_cast<TextPopup *>(widget);
        QVERIFY(bar && bar->isVisible());
        const QPointF boxBefore = box->scenePos();
        const QPoint barBefore = bar->pos();
        const auto at = [&](const QPointF &local) {
            return view_->mapFromScene(box->mapToScene(local));
        };
        const QPoint grip = at(QPointF(2, box->boundingRect().height() / 2));
        mouse(QEvent::MouseButtonPress, grip);
        QVERIFY(!bar->isVisible());
        mouse(QEvent::MouseMove, grip + QPoint(40, 30));
        mouse(QEvent::MouseButtonRelease, grip + QPoint(40, 30));
        QCOMPARE(box->scenePos() - boxBefore, QPointF(40, 30) / view_->transform().m11());
        QCOMPARE(bar->pos() - barBefore, QPoint(40, 30));
        mouse(QEvent::MouseButtonPress, at(box->boundingRect().center()));
        QVERIFY(bar->isVisible());
        QCOMPARE(document_->shapeType(), Editor::TextEditing);
    }

    // The crop frame repaints only what its drags change; what is on screen afterwards is
    // what a full repaint draws, lines and corner brackets included.
    void cropFrameLeavesNothingBehind()
    {
        // Shown at full size, where a bracket's arms are four pixels deep on screen too.
        document_ = editorWith(gradientCapture(QSize(500, 340)));
        view_->resize(600, 400);
        view_->setEditor(document_.get());
        QCOMPARE(view_->transform().m11(), 1.0);
        document_->setShapeType(Editor::Crop);
        document_->startCrop();
        QCoreApplication::processEvents();
        const auto dragFrame = [this](const QPoint &from, const QPoint &to) {
            mouse(QEvent::MouseButtonPress, view_->mapFromScene(from));
            for (int step = 1; step <= 8; ++step) {
                mouse(QEvent::MouseMove, view_->mapFromScene(from + (to - from) * step / 8));
                QCoreApplication::processEvents();
            }
            mouse(QEvent::MouseButtonRelease, view_->mapFromScene(to));
            QCoreApplication::processEvents();
        };
        dragFrame(QPoint(497, 337), QPoint(380, 250));
        dragFrame(QPoint(200, 150), QPoint(260, 200));
        dragFrame(QPoint(250, 200), QPoint(150, 120));
        const QImage onScreen = view_->screen()->grabWindow(view_->winId()).toImage();
        QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32),
                 view_->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // A drag with Ctrl held takes the capture out of the window: the scene hears nothing of
    // it, so even the eraser leaves the item under the press and the moves.
    void ctrlDragLeavesDocument_data()
    {
        columns<int, int, int>("tool", "modifiers", "items");
        row("eraser", int(Editor::Eraser), int(Qt::ControlModifier), 1);
        row("figure without Ctrl", int(Editor::Rect), int(Qt::NoModifier), 2);
    }

    void ctrlDragLeavesDocument()
    {
        QFETCH(int, tool);
        QFETCH(int, modifiers);
        drag(*document_, {QPoint(0, 0), QPoint(300, 200)});
        view_->setEditor(document_.get());
        document_->setShapeType(Editor::ShapeType(tool));
        dragOn(view_->viewport(), {QPoint(0, 0), QPoint(60, 40), QPoint(150, 100)},
               Qt::KeyboardModifiers(modifiers));
        QTEST(document_->items().size(), "items");
    }
};

QTEST_MAIN(tst_EditorView)
#include "tst_EditorView.moc"

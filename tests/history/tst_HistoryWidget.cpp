#include "editor/Editor.h"
#include "history/History.h"
#include "history/HistoryButton.h"
#include "history/HistoryButtonWidget.h"
#include "history/HistoryListWidget.h"
#include "history/HistoryListWidgetItem.h"
#include "history/HistoryWidget.h"
#include "platform/CaptureStorage.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/ModalDialogAnswerer.h"
#include "support/TestEnvironment.h"
#include "tests/editor/EditorTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(QListWidgetItem *)

using namespace EditorTestSupport;

// The history panel with its list, rows and documents; a plain object stands in for the
// main window that owns the documents.
class tst_HistoryWidget : public QObject
{
    Q_OBJECT

    std::unique_ptr<QObject> owner_;
    std::unique_ptr<HistoryWidget> panel_;
    std::unique_ptr<KestrelPreferences> preferences_;
    QList<QPointer<Editor>> editors_; // in the order added, so row r holds the last but r

    HistoryListWidget *list() const { return panel_->listWidget(); }
    Editor *editorAt(int row) const { return list()->historyItem(row)->editor(); }
    HistoryButton *thumbnailAt(int row) const
    {
        return list()->buttonWidget(list()->item(row))->button();
    }

    // A document of the window, its capture not in memory.
    Editor *capture(QColor colour) const
    {
        Editor *editor = editorWith(filledImage(QSize(48, 32), colour)).release();
        editor->setParent(owner_.get());
        editor->setImageLoaded(false);
        return editor;
    }

    void addCaptures(int count)
    {
        for (int i = 0; i < count; ++i) {
            editors_ << capture(QColor::fromHsv(i * 30 % 360, 200, 200));
            panel_->addHistory(History(editors_.last()));
        }
    }

    void check(const QList<int> &rows)
    {
        for (int row : rows)
            thumbnailAt(row)->selectButton()->setChecked(true);
    }

private slots:
    void initTestCase() { qRegisterMetaType<QListWidgetItem *>(); }

    void init()
    {
        TestEnvironment::resetRegistry();
        preferences_ = std::make_unique<KestrelPreferences>();
        preferences_->initialize();
        owner_ = std::make_unique<QObject>();
        panel_ = std::make_unique<HistoryWidget>();
        panel_->setPreferences(preferences_.get());
        editors_.clear();
    }

    void cleanup()
    {
        ModalDialogAnswerer::disarmAll();
        panel_.reset();
        owner_.reset();
        releaseDeleted();
    }

    // The hundredth capture fits; the next one needs the oldest to go or is refused.
    void fullHistory_data()
    {
        columns<bool, QString, int>("autoDelete", "answer", "room");
        row("refused", false, QString("Close"), int(HistoryWidget::CaptureRefused));
        row("refused, show window", false, QString("Open result window"),
            int(HistoryWidget::CaptureRefusedShowWindow));
        row("oldest deleted", true, QString(), int(HistoryWidget::RoomAvailable));
    }

    void fullHistory()
    {
        QFETCH(bool, autoDelete);
        QFETCH(QString, answer);
        preferences_->setBool(KestrelPreferences::AutoHistoryDelete, autoDelete);
        addCaptures(99);
        auto unexpected = ModalDialogAnswerer::closeWindow(0);
        QCOMPARE(panel_->makeRoomForCapture(), HistoryWidget::RoomAvailable);
        QVERIFY(!unexpected->answered);
        ModalDialogAnswerer::disarmAll();
        addCaptures(1);
        QVERIFY(panel_->isFull());

        auto seen = answer.isEmpty() ? ModalDialogAnswerer::closeWindow(0)
                                     : ModalDialogAnswerer::clickButton(answer);
        QTEST(int(panel_->makeRoomForCapture()), "room");
        QCOMPARE(seen->answered, !autoDelete);
        releaseDeleted();
        QCOMPARE(editors_.first().isNull(), autoDelete);
        QCOMPARE(list()->count(), autoDelete ? 99 : 100);
        if (autoDelete) {
            addCaptures(1);
            QCOMPARE(editorAt(0), editors_.last().data());
            QCOMPARE(list()->firstSelectedItem(), list()->historyItem(0));
            QCOMPARE(editorAt(99), editors_.at(1).data());
        }
    }

    // Row 2 of 3 is the oldest capture; rows checked in select mode keep the selection
    // unless the shown capture itself goes.
    void deleteRow_data()
    {
        columns<int, int, QList<int>, int, int>("rows", "selected", "checked", "deleted",
                                                "selectedAfter");
        row("row 0", 3, 0, QList<int>(), 0, 0);
        row("row k selects k-1", 3, 0, QList<int>(), 2, 1);
        row("whichever was selected", 3, 2, QList<int>(), 1, 0);
        row("only row", 1, 0, QList<int>(), 0, -1);
        row("checked rows keep it", 3, 0, QList<int> {2}, 1, 0);
        row("checked rows, shown one deleted", 3, 1, QList<int> {2}, 1, 0);
    }

    void deleteRow()
    {
        QFETCH(int, rows);
        QFETCH(int, selected);
        QFETCH(QList<int>, checked);
        QFETCH(int, deleted);
        QFETCH(int, selectedAfter);
        addCaptures(rows);
        list()->onHistoryClicked(list()->historyItem(selected));
        if (!checked.isEmpty()) {
            list()->setHistorySelectMode(MultiSelectMode);
            check(checked);
        }
        QPointer<Editor> gone = editorAt(deleted);
        QListWidgetItem *before = list()->item(selected);
        QSignalSpy announced(panel_.get(), &HistoryWidget::itemSelectionChanged);
        QVERIFY(list()->deleteRow(deleted, false));

        QCOMPARE(list()->count(), rows - 1);
        QListWidgetItem *expected = list()->item(selectedAfter);
        QCOMPARE(list()->firstSelectedItem(), expected);
        const bool changed = selected == deleted || expected != before;
        QCOMPARE(announced.count(), changed ? 1 : 0);
        if (changed)
            QCOMPARE(announced.first().first().value<QListWidgetItem *>(), expected);
        for (int row = 0; row < list()->count(); ++row)
            QCOMPARE(editorAt(row)->isImageLoaded(), row == selectedAfter);
        releaseDeleted();
        QVERIFY(gone.isNull());
    }

    // Several rows at once; then the rest. No row, widget or connection is left on a freed
    // document (the sanitizer build watches the later events).
    void deleteItems()
    {
        addCaptures(4);
        list()->setHistorySelectMode(MultiSelectMode);
        check({1, 3});
        QSignalSpy announced(panel_.get(), &HistoryWidget::itemSelectionChanged);
        list()->deleteItems(list()->checkedItems());
        QCOMPARE(list()->count(), 2);
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.takeFirst().first().value<QListWidgetItem *>(), list()->item(0));
        QVERIFY(editorAt(0)->isImageLoaded());
        QList<HistoryListWidgetItem *> all {list()->historyItem(0), list()->historyItem(1)};
        list()->deleteItems(all);
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.first().first().value<QListWidgetItem *>(), nullptr);
        QTest::qWait(20);
        for (const QPointer<Editor> &editor : editors_)
            QVERIFY(editor.isNull());
        QCOMPARE(panel_->currentImageSize(), QSize());
    }

    // Only the shown capture holds pixels; the others keep their items, and come back whole.
    void reselectReloadsAndKeepsItems()
    {
        addCaptures(3);
        editorAt(2)->addRect(4, 4, 10, 10);
        for (int row : {1, 0, 2}) {
            list()->onHistoryClicked(list()->historyItem(row));
            for (int other = 0; other < 3; ++other) {
                QCOMPARE(editorAt(other)->isImageLoaded(), other == row);
                QCOMPARE(thumbnailAt(other)->isChecked(), other == row);
            }
            QCOMPARE(editorAt(2)->items().size(), 1);
        }
        QCOMPARE(panel_->currentImageSize(), QSize(48, 32));

        // A row added without being shown gets a thumbnail and leaves no image behind.
        Editor *quiet = capture(Qt::red);
        list()->addHistory(History(quiet), false);
        QVERIFY(!quiet->isImageLoaded());
        QCOMPARE(thumbnailAt(0)->icon().pixmap(72).toImage().pixelColor(30, 20), QColor(Qt::red));
        QCOMPARE(list()->firstSelectedItem(), list()->historyItem(3));
    }

    // What the panel offers in each mode: the count, the buttons for several captures, the
    // check boxes and a row's menu. An empty editor leaves select mode and disables the panel.
    void selectMode_data()
    {
        columns<bool, QList<int>, bool, QString>("selectMode", "checked", "saved", "count");
        row("normal", false, QList<int>(), false, QString("[3/100]"));
        row("normal, saved", false, QList<int>(), true, QString("[3/100]"));
        row("select mode, none checked", true, QList<int>(), false, QString("[0 selected]"));
        row("select mode, two checked", true, QList<int> {0, 2}, true, QString("[2 selected]"));
    }

    void selectMode()
    {
        QFETCH(bool, selectMode);
        QFETCH(QList<int>, checked);
        QFETCH(bool, saved);
        addCaptures(3);
        if (saved)
            editorAt(1)->setSavedPath(QDir::temp().filePath("saved.png"));
        auto *selectButton = panel_->findChild<QPushButton *>("historySelectMode_");
        auto *saveImages = panel_->findChild<QPushButton *>("historySaveImages_");
        auto *deleteImages = panel_->findChild<QPushButton *>("historyDeleteImages_");
        auto *count = panel_->findChild<QLabel *>("countInfo_");
        if (selectMode)
            selectButton->click();
        check(checked);
        QTEST(count->text(), "count");
        const bool several = !selectMode || !checked.isEmpty();
        QCOMPARE(saveImages->isEnabled(), several);
        QCOMPARE(deleteImages->isEnabled(), several);
        QCOMPARE(thumbnailAt(1)->selectButton()->isHidden(), !selectMode);
        QCOMPARE(thumbnailAt(1)->saveIcon()->isHidden(), !saved);

        HistoryButtonWidget *row = list()->buttonWidget(list()->item(1));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QCoreApplication::sendEvent(row, &event);
        auto *menu = row->findChild<QMenu *>();
        QVERIFY(menu && menu->isVisible());
        QStringList enabled;
        for (QAction *action : menu->actions())
            enabled << (action->isEnabled() ? action->text() : QString());
        menu->close();
        const QString saveSeveral = selectMode ? "Save selected images" : "Save all images";
        const QString deleteSeveral = selectMode ? "Delete seleted images" : "Delete all images";
        QCOMPARE(enabled,
                 QStringList({"Save", "Delete", "", several ? saveSeveral : "",
                              several ? deleteSeveral : "", "", saved ? "OpenSavedFolder(&O)" : "",
                              saved ? "OpenSavedImage(&V)" : ""}));

        panel_->onEmptyEditor(true);
        QCOMPARE(count->text(), QString("[3/100]"));
        QVERIFY(list()->checkedItems().isEmpty());
        QVERIFY(thumbnailAt(0)->selectButton()->isHidden());
        for (QPushButton *button : {selectButton, saveImages, deleteImages})
            QVERIFY(!button->isEnabled());
        panel_->onEmptyEditor(false);
        QVERIFY(saveImages->isEnabled() && deleteImages->isEnabled());
    }

    // The close button asks before an unsaved capture goes, unless told not to.
    void closeButtonAsks_data()
    {
        columns<bool, bool, QString, bool, bool>("saved", "notify", "answer", "skip", "deleted");
        row("no", false, true, QString("No(&N)"), false, false);
        row("yes", false, true, QString("Yes(&Y)"), false, true);
        row("yes, skip next time", false, true, QString("Yes(&Y)"), true, true);
        row("discard after a save that did not happen", false, true, QString("Discard after save"),
            false, false);
        row("saved", true, true, QString(), false, true);
        row("not asking", false, false, QString(), false, true);
    }

    void closeButtonAsks()
    {
        QFETCH(bool, saved);
        QFETCH(bool, notify);
        QFETCH(QString, answer);
        QFETCH(bool, skip);
        preferences_->setBool(KestrelPreferences::NotifyDeleteHistory, notify);
        addCaptures(2);
        if (saved)
            editorAt(0)->setSavedPath(QDir::temp().filePath("saved.png"));
        auto seen = answer.isEmpty()
                ? ModalDialogAnswerer::closeWindow(0)
                : ModalDialogAnswerer::answer([&](QWidget *dialog) {
                      dialog->findChild<QCheckBox *>()->setChecked(skip);
                      for (auto *button : dialog->findChildren<QPushButton *>())
                          if (button->text() == answer)
                              button->click();
                  });
        if (answer == "Discard after save")
            ModalDialogAnswerer::closeWindow(); // the save's file dialog
        thumbnailAt(0)->closeButton()->click();
        QCOMPARE(seen->answered, !answer.isEmpty());
        QTEST(list()->count() == 1, "deleted");
        QCOMPARE(preferences_->getBool(KestrelPreferences::NotifyDeleteHistory, true),
                 notify && !skip);
    }

    // A capture whose file is gone when it is shown again keeps its row, items and thumbnail,
    // says so, and can still be deleted. (Every way a load fails is in the document's tests.)
    void unreadableCaptureFile()
    {
        addCaptures(2);
        Editor *editor = editorAt(1);
        editor->addRect(1, 1, 5, 5);
        list()->onHistoryClicked(list()->historyItem(1));
        const QImage thumbnail = thumbnailAt(1)->icon().pixmap(72).toImage();
        list()->onHistoryClicked(list()->historyItem(0));
        QVERIFY(QFile::remove(editor->imagePath()));

        QSignalSpy announced(panel_.get(), &HistoryWidget::itemSelectionChanged);
        list()->onHistoryClicked(list()->historyItem(1));
        QCOMPARE(announced.count(), 1);
        QVERIFY(!editor->isImageLoaded());
        QCOMPARE(editor->items().size(), 1);
        QVERIFY(thumbnailAt(1)->isUnreadable());
        QCOMPARE(thumbnailAt(1)->icon().pixmap(72).toImage(), thumbnail);
        QCOMPARE(panel_->currentImageSize(), QSize());
        ModalDialogAnswerer::clickButton("Yes(&Y)");
        thumbnailAt(1)->closeButton()->click();
        QCOMPARE(list()->count(), 1);
        QVERIFY(!thumbnailAt(0)->isUnreadable());
    }

    // Pulling a thumbnail drags its capture out and leaves the selection; a click selects.
    void thumbnailDrag_data()
    {
        columns<bool>("pulled");
        row("click", false);
        row("drag", true);
    }

    void thumbnailDrag()
    {
        QFETCH(bool, pulled);
        addCaptures(2);
        HistoryButton *thumbnail = thumbnailAt(1);
        auto captures = [] {
            return QDir(CaptureStorage::folderPath()).entryList(QDir::Files).size();
        };
        const int before = captures();
        const QPoint from = thumbnail->rect().center();
        const QPoint to = from + QPoint(pulled ? QApplication::startDragDistance() : 0, 0);
        // Once dragged, a move over the thumbnail does not press it again.
        dragOn(thumbnail, {from, to, to + QPoint(0, 1)});
        QCOMPARE(list()->firstSelectedItem(), list()->historyItem(pulled ? 0 : 1));
        QTRY_COMPARE(captures() - before, int(pulled));
    }
};

QTEST_MAIN(tst_HistoryWidget)
#include "tst_HistoryWidget.moc"

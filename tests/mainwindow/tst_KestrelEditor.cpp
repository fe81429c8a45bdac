#include "app/Application.h"
#include "history/HistoryListWidget.h"
#include "history/HistoryWidget.h"
#include "mainwindow/CaptureFolder.h"
#include "mainwindow/KestrelEditor.h"
#include "platform/CaptureStorage.h"
#include "popups/ColorSelectButton.h"
#include "popups/ColorSelectPopup.h"
#include "preferences/PreferencesDialog.h"
#include "services/StatisticsClient.h"
#include "support/CapturePeer.h"
#include "support/DataRow.h"
#include "support/ModalDialogAnswerer.h"
#include "support/ServiceCallLog.h"
#include "support/TestEnvironment.h"
#include "tests/editor/EditorTestSupport.h"
#include "view/EditorView.h"
#include "widgets/Menu.h"
#include "widgets/ToolButton.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using P = KestrelPreferences;

namespace {

QString writeCapture(const QString &name, const QSize &size)
{
    QDir().mkpath(CaptureStorage::folderPath());
    const QString path = CaptureStorage::folderPath() + "/" + name;
    EditorTestSupport::filledImage(size).save(path);
    return path;
}

// The messages the capture program received, "message" or "message:wParam:lParam".
QString posted(const CapturePeer &peer)
{
    QStringList messages;
    for (const QByteArray &record : peer.connections()) {
        QDataStream in(record);
        in.setVersion(QDataStream::Qt_5_9);
        quint32 message = 0;
        qint32 wParam = 0, lParam = 0;
        in >> message >> wParam >> lParam;
        messages << (wParam || lParam ? QString("%1:%2:%3").arg(message).arg(wParam).arg(lParam)
                                      : QString::number(message));
    }
    return messages.join(' ');
}

// Runs the program's event loop until it quits (true) or the time is up (false).
bool runUntilQuit(int timeoutMs)
{
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timeout.start(timeoutMs);
    return QCoreApplication::exec() == 0;
}

} // namespace

class tst_KestrelEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServiceCallLog> calls_;
    std::unique_ptr<CapturePeer> peer_;
    std::unique_ptr<KestrelEditor> window_;
    QString capture_;

    EditorView *view() const { return window_->findChild<EditorView *>("graphicsView_"); }
    HistoryWidget *history() const { return window_->findChild<HistoryWidget *>("historyWidget_"); }
    int rows() const { return history()->listWidget()->count(); }
    ToolButton *button(const char *name) const { return window_->findChild<ToolButton *>(name); }
    QAction *menuEntry(const char *menu, const QString &text) const
    {
        const auto actions = window_->findChild<Menu *>(menu)->actions();
        for (QAction *action : actions) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        QDir(CaptureStorage::folderPath()).removeRecursively();
        capture_ = writeCapture("capture.png", QSize(300, 200));
        calls_ = std::make_unique<ServiceCallLog>();
        peer_ = std::make_unique<CapturePeer>();
        QVERIFY(peer_->listen());
        window_ = std::make_unique<KestrelEditor>();
    }
    void cleanup()
    {
        ModalDialogAnswerer::disarmAll();
        window_.reset();
        StatisticsClient::Finalize();
        peer_.reset();
        calls_.reset();
    }

    // Each command line does exactly one thing, and the saves follow whatever it did.
    void commands_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("startShown");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("posted");
        QTest::addColumn<QString>("saves");
        row("a capture shows the hidden window", "/path %1 /point 50 50", false, true, 1, "", "");
        row("skip keeps it hidden", "/path %1 /skip", false, false, 1, "", "");
        row("show wins over path", "/path %1 /show", false, true, 0, "2153", "");
        row("hide", "/hide /path %1", true, false, 0, "", "");
        row("a command missing its arguments voids the line", "/path %1 /point 5", false, false, 0,
            "", "");
        row("preferences open modeless", "/preference 2", false, false, 0, "2149", "");
        row("autosave over save, after the capture", "/save /path %1 /autosave", false, true, 1, "",
            "true");
        row("save with the dialog", "/save", true, true, 0, "", "false");
    }
    void commands()
    {
        QFETCH(QString, line);
        QFETCH(bool, startShown);
        window_->setVisible(startShown);
        const QString autoSaveFolder = TestEnvironment::tempDir() + "/saved";
        window_->preferences().setString(P::AutoSavePath, autoSaveFolder);
        window_->preferences().setBool(P::ShowPostSaveDlg, false);
        QSignalSpy saves(window_.get(), &KestrelEditor::saveCurrentImage);
        emit window_->commandArrived("\"KestrelEditor\" " + line.replace("%1", capture_));
        QTEST(window_->isVisible(), "shown");
        QTEST(rows(), "rows");
        QStringList saved;
        for (const QList<QVariant> &save : qAsConst(saves))
            saved << QVariant(save.at(0)).toString();
        QTEST(saved.join(' '), "saves");
        // An automatic save of a new capture lands in the automatic-save folder.
        if (saved.join(' ') == "true")
            QCOMPARE(QDir(autoSaveFolder).entryList({"*.png"}, QDir::Files).size(), 1);
        QFETCH(QString, posted);
        QTRY_COMPARE(::posted(*peer_), posted);
    }

    // The capture program hears when the preferences open and how they closed; only an
    // accepted dialog saves the store.
    void preferences_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("posted");
        row("modeless, accepted", false, 1, "2149 2150:1:0");
        row("modal, accepted", true, 1, "2149 2150:1:1");
        row("modal, rejected", true, 0, "2149 2150:0:1");
    }
    void preferences()
    {
        QFETCH(bool, modal);
        QFETCH(int, result);
        window_->preferences().setBool(P::SkipTip, true);
        const auto finish = [result](QWidget *dialog) {
            static_cast<QDialog *>(dialog)->done(result);
        };
        const auto seen = modal ? ModalDialogAnswerer::answer(finish) : nullptr;
        window_->onClickPreference(3, modal);
        PreferencesDialog *dialog = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            dialog = qobject_cast<PreferencesDialog *>(widget)
                    ? qobject_cast<PreferencesDialog *>(widget)
                    : dialog;
        QVERIFY(dialog);
        QCOMPARE(dialog->currentPage(), 3);
        if (!modal)
            finish(dialog);
        QFETCH(QString, posted);
        QTRY_COMPARE(::posted(*peer_), posted);
        KestrelPreferences reread;
        reread.initialize();
        QCOMPARE(reread.getBool(P::SkipTip, false), result == 1);
    }

    void aboutOpensModeless()
    {
        window_->treatCommand("/about");
        auto *about = window_->findChild<QDialog *>("AboutDialog");
        QVERIFY(about && about->isVisible() && !about->isModal());
    }

    void unreadableCaptureWarns()
    {
        const auto seen = ModalDialogAnswerer::clickStandardButton(QDialogButtonBox::Ok);
        window_->treatCommand("/path " + CaptureStorage::folderPath() + "/missing.png");
        QVERIFY(seen->answered);
        QVERIFY(seen->labels.contains(QStringLiteral("Failed to capture image.")));
        QCOMPARE(rows(), 0);
        QVERIFY(!window_->isVisible());
    }

    void updatePrefValue_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("autoSave");
        QTest::addColumn<bool>("fileDialog");
        row("on turns the file dialog off", "/updateprefvalue 48 1", true, false);
        row("off leaves the file dialog", "/updateprefvalue 48 0", false, true);
        row("a number slot is not a flag", "/updateprefvalue 8 1", true, true);
    }
    void updatePrefValue()
    {
        QFETCH(QString, line);
        P &store = window_->preferences();
        store.setBool(P::AutoSave, true);
        store.setBool(P::ShowFileDlgAfterCapture, true);
        const int fileFormat = store.getInt(P::FileFormat, -1);
        window_->treatCommand(line);
        QTEST(store.getBool(P::AutoSave, false), "autoSave");
        QTEST(store.getBool(P::ShowFileDlgAfterCapture, false), "fileDialog");
        QCOMPARE(store.typeAt(P::FileFormat), PreferenceType::Int);
        QCOMPARE(store.getInt(P::FileFormat, -1), fileFormat);
    }

    // What each command sends to the statistics library and the capture program, and
    // what it stores, with a capture shown.
    void toolCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("posted");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("stored");
        row("capture", 0, "", "2152", int(P::LastDrawingItem), 5);
        row("copy", 1, "cap_30_02", "", int(P::LastDrawingItem), 5);
        row("undo", 2, "cap_30_10", "", int(P::LastDrawingItem), 5);
        row("redo", 3, "cap_30_11", "", int(P::LastDrawingItem), 5);
        row("reset", 4, "cap_30_09", "", int(P::LastDrawingItem), 5);
        row("text", 5, "cap_30_12", "", int(P::LastDrawingItem), 9);
        row("crop", 6, "cap_30_04", "", int(P::LastDrawingItem), 5);
        row("highlighter", 7, "cap_30_13", "", int(P::LastDrawingItem), 2);
        row("line 12", 8, "cap_30_18", "", int(P::LineWidth), 12);
        row("line 2 has no code", 9, "", "", int(P::LineWidth), 2);
        row("mosaic strong", 10, "cap_30_05 cap_30_08", "", int(P::MosaicStrength), 9);
        row("update", 11, "", "2154", int(P::LastDrawingItem), 5);
        row("dotted circle", 12, "", "", int(P::FigureLineType), int(Qt::DotLine));
    }
    void toolCommands()
    {
        QFETCH(int, command);
        window_->treatCommand("/path " + capture_);
        calls_->clear();
        KestrelEditor &w = *window_;
        const std::function<void()> commands[] = {
                [&] { w.onClickCapture(); },
                [&] { w.onClickCopy(); },
                [&] { w.onClickUndo(); },
                [&] { w.onClickRedo(); },
                [&] { w.onClickReset(); },
                [&] { w.onClickText(); },
                [&] { w.onClickCrop(); },
                [&] { w.onHighlighterSelected(Qt::yellow); },
                [&] { w.onLineSelected(12); },
                [&] { w.onLineSelected(2); },
                [&] { w.onMosaicSelected(9); },
                [&] { w.onClickUpdate(); },
                [&] { w.onFigureSelected(Editor::Circle, Qt::DotLine, Qt::blue, Qt::green); },
        };
        commands[command]();
        QTEST(calls_->actionCodes().join(' '), "codes");
        QFETCH(int, slot);
        QTEST(w.preferences().getInt(slot, -1), "stored");
        QFETCH(QString, posted);
        QTRY_COMPARE(::posted(*peer_), posted);
    }

    // A colour chosen in the pen palette is drawn in that colour: red and blue never swap
    // on their way through the store.
    void chosenColourIsDrawn()
    {
        window_->treatCommand("/path " + capture_);
        // The palettes are made once the capture has been painted.
        QTRY_VERIFY(button("pen")->menu());
        auto *palette = button("pen")->menu()->findChild<ColorSelectPopup *>();
        auto *orange = palette->findChild<ColorSelectButton *>("basicColor3");
        QCOMPARE(orange->color(), QColor(255, 192, 0));
        orange->click();
        Editor *editor = view()->editor();
        QCOMPARE(editor->shapeType(), Editor::Pen);
        QVERIFY(button("pen")->isChecked());
        QCOMPARE(window_->preferences().getInt(P::PenColor, 0),
                 int(0xff00c0ffu)); // alpha, blue, green, red from the top byte down
        EditorTestSupport::drag(*editor, {{20, 100}, {280, 100}});
        QCOMPARE(editor->render(false).toImage().pixelColor(150, 100), QColor(255, 192, 0));
    }

    // Typed text is lost only to Escape, never to a new capture or the window closing.
    void openTextBoxEnds_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Escape") << "escape" << 0 << true;
        QTest::newRow("Return") << "return" << 1 << true;
        QTest::newRow("a new capture") << "capture" << 1 << true;
        QTest::newRow("closing the window") << "close" << 1 << false;
    }
    void openTextBoxEnds()
    {
        QFETCH(QString, ending);
        window_->treatCommand("/path " + capture_);
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        Editor *editor = view()->editor();
        window_->onClickText();
        EditorTestSupport::drag(*editor, {{50, 50}});
        QInputMethodEvent typing;
        typing.setCommitString("memo");
        QVERIFY(editor->focusItem());
        editor->sendEvent(editor->focusItem(), &typing);
        if (ending == "escape")
            QTest::keyClick(window_.get(), Qt::Key_Escape);
        else if (ending == "return")
            QTest::keyClick(window_.get(), Qt::Key_Return);
        else if (ending == "capture")
            window_->treatCommand("/path " + writeCapture("second.png", QSize(200, 100)));
        else
            window_->close();
        QTEST(editor->undoList().size(), "kept");
        QTEST(window_->isVisible(), "shown");
    }

    void controlsFollowTheDocument()
    {
        const auto enabledOnes = [&] {
            QStringList names;
            for (const char *name :
                 {"capture", "save", "copy", "undo", "redo", "reset", "figure", "pen",
                  "highlighter", "line", "text", "crop", "mosaic", "eraser"})
                names << (button(name)->isEnabled() ? name : "-");
            for (const char *entry : {"Save as(&S)", "Print(&P)"})
                names << (menuEntry("menu_", entry)->isEnabled() ? entry : "-");
            return names.join(' ');
        };
        QCOMPARE(enabledOnes(), QString("capture - - - - - - - - - - - - - - -"));
        window_->treatCommand("/path " + capture_);
        QCOMPARE(enabledOnes(),
                 QString("capture save copy - - - figure pen highlighter line text "
                         "crop mosaic eraser Save as(&S) Print(&P)"));
    }

    void sizing_data()
    {
        QTest::addColumn<QSize>("capture");
        QTest::addColumn<bool>("fillsScreen");
        row("room round the capture", QSize(300, 200), false);
        row("narrower than the tool bar", QSize(40, 30), false);
        row("larger than the screen", QSize(3000, 2000), true);
    }
    void sizing()
    {
        QFETCH(QSize, capture);
        QFETCH(bool, fillsScreen);
        window_->treatCommand("/path " + writeCapture("sized.png", capture) + " /point 50 50");
        const QRect available = window_->screen()->availableGeometry();
        const QSize wanted(capture.width() + 172 + 200,
                           capture.height() + window_->findChild<QToolBar *>()->height() + 90
                                   + 200);
        // Every tool button fits, however small the capture.
        const QSize frame = window_->frameGeometry().size() - window_->size();
        const QSize narrowest =
                QSize(window_->findChild<QToolBar *>()->sizeHint().width(), 0) + frame;
        QCOMPARE(window_->frameGeometry(),
                 fillsScreen ? available
                             : QRect(QPoint(0, 0),
                                     wanted.expandedTo(narrowest).boundedTo(available.size())));

        // A capture arriving while the window shows leaves it where and as it is.
        const QRect before = window_->geometry();
        window_->treatCommand("/path " + capture_ + " /point 400 300");
        QCOMPARE(rows(), 2);
        QCOMPARE(window_->geometry(), before);
    }

    // Ending the program: asked only with unsaved captures; refused, the window stays and a
    // later close in tray mode hides it again. In tray mode the close button only hides.
    // However narrow the window, every tool button stays on the tool bar, with or without
    // its caption.
    void toolButtonsFitNarrowWindows()
    {
        qApp->setStyleSheet(Application::LoadStyleSheet());
        const auto plainAgain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        window_->treatCommand("/path " + capture_);
        auto *toolbar = window_->findChild<QToolBar *>();
        const auto fitted = [&](int width) {
            window_->resize(width, 500);
            QCoreApplication::processEvents();
            QStringList captions;
            for (ToolButton *button : toolbar->findChildren<ToolButton *>()) {
                const QRect place(button->mapTo(toolbar, QPoint()), button->size());
                if (!button->isVisible() || !toolbar->rect().contains(place))
                    return QString("%1 cut off").arg(button->objectName());
                captions << button->text();
            }
            return captions.join(',');
        };
        QCOMPARE(fitted(1600).section(',', 0, 1), QString("capture,save"));
        QCOMPARE(fitted(730), QString(15, ','));
        QCOMPARE(fitted(1600).section(',', 0, 1), QString("capture,save"));
    }

    void exiting_data()
    {
        QTest::addColumn<bool>("trayMode");
        QTest::addColumn<bool>("useCloseEntry");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("exits");
        QTest::addColumn<QString>("posted");
        row("close button without tray mode", false, false, true, 0, true, "2151");
        row("close entry in tray mode", true, true, true, 0, true, "2151");
        row("unsaved, confirmed", true, true, false, int(QDialogButtonBox::Yes), true, "2153 2151");
        row("unsaved, refused", true, true, false, int(QDialogButtonBox::No), false, "2153");
        row("close button in tray mode", true, false, false, 0, false, "2155");
    }
    void exiting()
    {
        QFETCH(bool, trayMode);
        QFETCH(bool, useCloseEntry);
        QFETCH(bool, saved);
        QFETCH(int, answer);
        QFETCH(bool, exits);
        window_->preferences().setBool(P::TrayMode, trayMode);
        window_->treatCommand("/path " + capture_);
        if (saved)
            view()->editor()->setSavedPath(capture_);
        const auto seen = answer
                ? ModalDialogAnswerer::clickStandardButton(QDialogButtonBox::StandardButton(answer))
                : nullptr;
        if (useCloseEntry)
            menuEntry("menu_", "Close(&X)")->trigger();
        else
            window_->close();
        QCOMPARE(runUntilQuit(exits ? 5000 : 1000), exits);
        if (seen)
            QVERIFY(seen->labels.contains(
                    "Unsaved images exist in history.\nWould you exit kestrel?"));
        QFETCH(QString, posted);
        QTRY_COMPARE(::posted(*peer_), posted);
        QCOMPARE(QFile::exists(capture_), !exits);
        if (exits)
            return;
        QCOMPARE(window_->isVisible(), answer != 0);
        window_->close();
        QVERIFY(!window_->isVisible());
    }

    // The clean-up removes the user's own captures only: no link is followed, no folder
    // entered, and a capture folder that is itself a link is left alone.
    void captureFolderCleanUp()
    {
        const QString folder = CaptureStorage::folderPath();
        const QString outside = TestEnvironment::tempDir() + "/outside";
        QDir().mkpath(outside + "/pictures");
        QFile(capture_).copy(outside + "/kept.png");
        QFile(capture_).copy(outside + "/pictures/kept.png");
        QFile::link(outside + "/kept.png", folder + "/link.png");
        QDir(folder).mkdir("sub.png");
        QFile(capture_).copy(folder + "/sub.png/inner.png");
        QFile(capture_).copy(folder + "/notes.txt");
        QFile(capture_).copy(folder + "/UPPER.PNG");
        QFile::link(outside + "/pictures", folder + "/linked");
#ifdef Q_OS_UNIX
        // Only root can hand a file to somebody else; CI runs as root.
        const bool asRoot = ::geteuid() == 0;
        if (asRoot) {
            QFile(capture_).copy(folder + "/other.png");
            QVERIFY(::chown(QFile::encodeName(folder + "/other.png").constData(), 65534, 65534)
                    == 0);
        }
#else
        const bool asRoot = false;
#endif

        QCOMPARE(CaptureFolder::removeCaptures(folder), 1);
        QStringList left =
                QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        left.sort();
        QCOMPARE(left.join(' '),
                 QString(asRoot ? "UPPER.PNG link.png linked notes.txt other.png sub.png"
                                : "UPPER.PNG link.png linked notes.txt sub.png"));
        QVERIFY(QFile::exists(folder + "/sub.png/inner.png"));
        QVERIFY(QFile::exists(outside + "/kept.png"));

        QFile::link(outside + "/pictures", TestEnvironment::tempDir() + "/planted");
        QCOMPARE(CaptureFolder::removeCaptures(TestEnvironment::tempDir() + "/planted"), 0);
        QVERIFY(QFile::exists(outside + "/pictures/kept.png"));
    }
};

QTEST_MAIN(tst_KestrelEditor)
#include "tst_KestrelEditor.moc"

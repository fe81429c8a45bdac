#include "mainwindow/KestrelEditor.h"

#include "ui_KestrelEditor.h"

#include "history/History.h"
#include "history/HistoryWidget.h"
#include "mainwindow/CaptureFolder.h"
#include "mainwindow/EditorCommand.h"
#include "mainwindow/EditorToolBar.h"
#include "mainwindow/ImagePrinter.h"
#include "output/FileNameFormatSettingDialog.h"
#include "platform/CaptureProgramLink.h"
#include "platform/CaptureStorage.h"
#include "platform/CommandLineSplitter.h"
#include "platform/RegularFile.h"
#include "platform/Trace.h"
#include "platform/WindowUtilities.h"
#include "popups/MosaicPopup.h"
#include "preferences/PreferencesDialog.h"
#include "services/AboutDialog.h"
#include "services/BannerWidget.h"
#include "services/StatisticsClient.h"
#include "services/ZCRS.h"
#include "view/EditorView.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QGraphicsItem>
#include <QLabel>
#include <QListWidgetItem>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

// Room the window leaves round the capture, and how far it sits above and left of the
// point the capture was taken at.
constexpr int kCaptureMargin = 200;
constexpr int kCaptureOffset = 100;

// clang-format off
// The maker's pages; each language may point to its own.
const char *const kHelpPage = QT_TRANSLATE_NOOP("KestrelEditor", "https://norvane.example/kestrel/help");
const char *const kFaqPage = QT_TRANSLATE_NOOP("KestrelEditor", "https://norvane.example/kestrel/faq");
const char *const kCustomerServicesPage = QT_TRANSLATE_NOOP("KestrelEditor", "https://norvane.example/support");
const char *const kQuiverPage = QT_TRANSLATE_NOOP("KestrelEditor", "https://norvane.example/quiver");
const char *const kNorvanePage = QT_TRANSLATE_NOOP("KestrelEditor", "https://norvane.example/");

// Statistics codes of the line widths on offer.
const std::pair<int, const char *> kLineWidthCodes[] = {
    {1, "cap_30_14"}, {3, "cap_30_15"}, {5, "cap_30_16"}, {8, "cap_30_17"}, {12, "cap_30_18"}};
const std::pair<int, const char *> kMosaicStrengthCodes[] = {
    {MosaicPopup::Weak, "cap_30_06"}, {MosaicPopup::Medium, "cap_30_07"}, {MosaicPopup::Strong, "cap_30_08"}};
// clang-format on

const char *codeFor(int value, const std::pair<int, const char *> *begin,
                    const std::pair<int, const char *> *end)
{
    const auto found =
            std::find_if(begin, end, [value](const auto &entry) { return entry.first == value; });
    return found == end ? nullptr : found->second;
}

void post(uint message, qint32 wParam = 0, qint32 lParam = 0)
{
    PostMessageToKestrel(message, wParam, lParam);
}

void sendCrashStatistics()
{
    StatisticsClient::ExecuteAction("cap_30_26");
}

bool isMinimisedOrEnlarged(const QWidget &window)
{
    return window.isMinimized() || window.isMaximized() || window.isFullScreen();
}

} // namespace

KestrelEditor::KestrelEditor(QWidget *parent) : QMainWindow(parent), ui_(new Ui::KestrelEditorClass)
{
    ui_->setupUi(this);

    if (!StatisticsClient::IsInitialized())
        StatisticsClient::Initialize(QString::fromLatin1(StatisticsClient::kLibraryName),
                                     QStringLiteral("Kestrel"));
    ZCRS::SetCrashHook(&sendCrashStatistics);

    connect(this, &KestrelEditor::commandArrived, this, &KestrelEditor::treatCommand);
    preferences_.initialize();

    toolBar_ = new EditorToolBar(this, ui_->toolbar_, ui_->graphicsView_, &preferences_);
    onChangeShape(Editor::ShapeType(
            preferences_.getInt(KestrelPreferences::LastDrawingItem, Editor::Rect)));

    connectView();
    connectHistory();
    emit ui_->historyWidget_->itemSelectionChanged(nullptr);
    addWindowShortcuts();
}

KestrelEditor::~KestrelEditor()
{
    ZCRS::SetCrashHook(nullptr);
}

void KestrelEditor::setCrashReporter(ZCRS *reporter)
{
    crashReporter_ = reporter;
    if (crashReporter_)
        crashReporter_->ThreadInitialize();
}

// The tool popups are made once the window has painted its first capture (or when a
// drop-down button is pressed before): the mixer of every palette costs more than the rest
// of the window, and the first capture shows sooner without them.
bool KestrelEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && document() && !toolBar_->hasPopups()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, toolBar_, &EditorToolBar::buildPopups);
    }
    return QMainWindow::eventFilter(watched, event);
}

void KestrelEditor::connectView()
{
    EditorView *view = ui_->graphicsView_;
    view->setPreferences(&preferences_);
    connect(view, &EditorView::changeShape, this, &KestrelEditor::onChangeShape);
    connect(view, &EditorView::contextMenuText, this, &KestrelEditor::onClickText);
    connect(view, &EditorView::contextMenuCrop, this, &KestrelEditor::onClickCrop);
    connect(view, &EditorView::contextMenuEraser, this, &KestrelEditor::onClickEraser);
    connect(view, &EditorView::contextMenuReset, this, &KestrelEditor::onClickReset);
    connect(view, &EditorView::contextMenuPrint, this, &KestrelEditor::onClickPrint);
    connect(view, &EditorView::canUndo, this, &KestrelEditor::onCanUndo);
    connect(view, &EditorView::canRedo, this, &KestrelEditor::onCanRedo);
    connect(view, &EditorView::clickHistoryShow, this, &KestrelEditor::onClickHistoryShow);
    connect(this, &KestrelEditor::clickHistoryHide, view, &EditorView::onClickHistoryHide);

    // Shown in place of a capture whose file went missing or became unreadable.
    unreadableNotice_ = new QLabel(tr("The capture file is missing or cannot be read."));
    unreadableNotice_->setObjectName(QStringLiteral("unreadableNotice_"));
    unreadableNotice_->setAlignment(Qt::AlignCenter);
    unreadableNotice_->setWordWrap(true);
    unreadableNotice_->hide();
    auto *noticeLayout = new QVBoxLayout(view->viewport());
    noticeLayout->addWidget(unreadableNotice_);
    view->viewport()->installEventFilter(this);
}

void KestrelEditor::connectHistory()
{
    HistoryWidget *history = ui_->historyWidget_;
    history->setPreferences(&preferences_);
    connect(history, &HistoryWidget::historyHide, this, &KestrelEditor::onClickHistoryHide);
    connect(history, &HistoryWidget::itemSelectionChanged, this,
            &KestrelEditor::onHistorySelectionChanged);
    connect(this, &KestrelEditor::emptyEditor, this, &KestrelEditor::onEmptyEditor);
    connect(this, &KestrelEditor::saveCurrentImage, history, &HistoryWidget::onSaveCurrentImage);
    connect(this, &KestrelEditor::emptyEditor, history, &HistoryWidget::onEmptyEditor);
}

void KestrelEditor::addWindowShortcuts()
{
    const std::pair<int, std::function<void()>> shortcuts[] = {
            {Qt::Key_Escape,
             [this] {
                 onEscape();
             }},
            {Qt::Key_Return,
             [this] {
                 onReturn();
             }},
            {Qt::Key_Delete,
             [this] {
                 ui_->historyWidget_->onDeleteCurrentImage();
             }},
            {Qt::Key_Up,
             [this] {
                 selectHistoryRow(-1);
             }},
            {Qt::Key_Down,
             [this] {
                 selectHistoryRow(1);
             }},
    };
    for (const auto &[key, run] : shortcuts) {
        auto *action = new QAction(this);
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    }
}

Editor *KestrelEditor::document() const
{
    return ui_->graphicsView_->editor();
}

bool KestrelEditor::isEditingOpenItem() const
{
    const Editor *editor = document();
    return editor
            && (editor->shapeType() == Editor::TextEditing || editor->shapeType() == Editor::Crop);
}

void KestrelEditor::onEscape()
{
    if (isEditingOpenItem())
        document()->finishOpenItem(false);
    else
        close();
}

void KestrelEditor::onReturn()
{
    if (isEditingOpenItem())
        document()->finishOpenItem(true);
}

void KestrelEditor::selectHistoryRow(int step)
{
    if (!document() || isEditingOpenItem())
        return;
    if (step < 0)
        ui_->historyWidget_->selectPreviousRow();
    else
        ui_->historyWidget_->selectNextRow();
}

// ---- Command lines ----

void KestrelEditor::treatCommand(const QString &cmdline)
{
    Trace(2, QStringLiteral("treatCommand"), "%ls", qUtf16Printable(cmdline));
    if (const std::optional<EditorCommand> command =
                EditorCommand::parse(SplitCommandLine(cmdline)))
        execute(*command);
}

void KestrelEditor::execute(const EditorCommand &command)
{
    switch (command.action()) {
    case EditorCommand::Action::Close:
        quitRequested_ = true;
        close();
        break;
    case EditorCommand::Action::Kill:
        QCoreApplication::quit();
        break;
    case EditorCommand::Action::Show:
        Trace(2, QStringLiteral("treatCommand"), "show");
        ShowResultWindow();
        post(CaptureMessage::ResultWindowShown);
        break;
    case EditorCommand::Action::Hide:
        Trace(2, QStringLiteral("treatCommand"), "hide");
        hide();
        break;
    case EditorCommand::Action::Preference:
        onClickPreference(command.preferencePage, false);
        break;
    case EditorCommand::Action::About:
        onClickAbout(false);
        break;
    case EditorCommand::Action::UpdatePrefValue:
        updatePrefValue(command.prefIndex, command.prefValue);
        break;
    case EditorCommand::Action::Path:
        AddNewPixmap(command.path, command.point, command.skip);
        break;
    case EditorCommand::Action::None:
        break;
    }
    if (command.autoSave)
        emit saveCurrentImage(true);
    else if (command.save)
        emit saveCurrentImage(false);
}

void KestrelEditor::updatePrefValue(int index, bool value)
{
    // The capture program switches flags only; a number or a text slot never becomes one.
    if (preferences_.typeAt(index) != PreferenceType::Bool)
        return;
    preferences_.setBool(index, value);
    if (index == KestrelPreferences::AutoSave && value)
        preferences_.setBool(KestrelPreferences::ShowFileDlgAfterCapture, false);
}

// ---- Captures and the window ----

void KestrelEditor::AddNewPixmap(const QString &path, QPoint position, bool skipShow)
{
    // The document's own load is the check, so the capture is decoded once on its way in.
    // Only a regular file is opened: a pipe or a device would block the program for good.
    auto *editor = new Editor(this);
    editor->setImagePath(path);
    if (IsRegularFile(path))
        editor->setImageLoaded(true);
    if (!editor->isImageLoaded()) {
        delete editor;
        MessageBox::warning(this, QString(), tr("Failed to capture image."));
        return;
    }
    const HistoryWidget::CaptureRoom room = ui_->historyWidget_->makeRoomForCapture();
    if (room != HistoryWidget::RoomAvailable) {
        delete editor;
        if (room == HistoryWidget::CaptureRefusedShowWindow)
            ShowResultWindow();
        return;
    }
    ui_->historyWidget_->addHistory(History(editor));
    if (isVisible())
        return;

    // A window never shown has not laid out its parts yet.
    layout()->activate();
    ui_->mainWidget_->layout()->activate();
    const QSize image = editor->imageRect().size();
    const QRect available = screen()->availableGeometry();
    const int toolbarHeight = ui_->toolbar_->height();
    // Never so narrow that tool buttons fall off the end of the tool bar: it has no
    // overflow button to reach them.
    const int wantedWidth =
            std::min(std::max(image.width() + ui_->historyWidget_->width() + kCaptureMargin,
                              toolBar_->fullWidth()),
                     available.width());
    const int wantedHeight =
            std::min(image.height() + toolbarHeight + ui_->bannerWidget_->height() + kCaptureMargin,
                     available.height());
    const int x = std::max(position.x() - kCaptureOffset, 0);
    const int y = std::max(position.y() - toolbarHeight - kCaptureOffset, 0);

    // Placed before it shows as well: an X11 window manager places a window that shows
    // without a position of its own wherever it likes.
    move(x, y);
    if (!skipShow) {
        StatisticsClient::ExecuteAction("cap_30_03");
        if (isMinimisedOrEnlarged(*this))
            showNormal();
        show();
        Trace(2, QStringLiteral("AddNewPixmap"), "show %ls", qUtf16Printable(path));
    }
    // The frame is known only once the window shows; before, it would let the frame
    // overhang the screen.
    const int extraWidth = frameGeometry().width() - width();
    const int extraHeight = frameGeometry().height() - height();
    resize(wantedWidth - extraWidth, wantedHeight - extraHeight);
    // The frame's corner goes to (x, y): on X11 the frame is not known yet right after the
    // window shows, and placing the inside there would push the title bar off the screen.
    move(x, y);
    FitWindowToScreen(this, QPoint(0, 0));
    BringToFront(this);
}

void KestrelEditor::ShowResultWindow()
{
    if (!isVisible()) {
        if (isMinimisedOrEnlarged(*this))
            showNormal();
        const QPoint centre = screen()->availableGeometry().center();
        move(centre.x() - width() / 2, centre.y() - height() / 2);
        show();
    }
    BringToFront(this);
}

void KestrelEditor::onHistorySelectionChanged(QListWidgetItem *item)
{
    if (Editor *shown = document())
        shown->settleOpenItem();
    Editor *editor = item ? item->data(Qt::UserRole).value<History>().editor() : nullptr;
    const bool readable = editor && editor->isImageLoaded();
    ui_->graphicsView_->setEditor(readable ? editor : nullptr);
    showUnreadableNotice(item && !readable);
    emit emptyEditor(item == nullptr);
    if (item && !readable)
        setEditingEnabled(false);
}

void KestrelEditor::showUnreadableNotice(bool show)
{
    unreadableNotice_->setVisible(show);
}

void KestrelEditor::onEmptyEditor(bool isEmpty)
{
    setEditingEnabled(!isEmpty);
}

void KestrelEditor::setEditingEnabled(bool enabled)
{
    toolBar_->setEditingEnabled(enabled);
}

void KestrelEditor::onChangeShape(Editor::ShapeType shapeType)
{
    toolBar_->checkTool(shapeType);
}

void KestrelEditor::onCanUndo(bool canUndo)
{
    toolBar_->setUndoEnabled(canUndo);
}

void KestrelEditor::onCanRedo(bool canRedo)
{
    toolBar_->setRedoEnabled(canRedo);
}

void KestrelEditor::onClickHistoryShow()
{
    ui_->historyWidget_->show();
}

void KestrelEditor::onClickHistoryHide()
{
    ui_->historyWidget_->hide();
    emit clickHistoryHide();
}

void KestrelEditor::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    ui_->graphicsView_->onMoveMainWindow();
}

// ---- Tool-bar commands ----

void KestrelEditor::onClickCapture()
{
    post(CaptureMessage::NewCaptureRequested);
}

void KestrelEditor::onClickSave()
{
    emit saveCurrentImage(false);
}

void KestrelEditor::onClickCopy()
{
    StatisticsClient::ExecuteAction("cap_30_02");
    if (Editor *editor = document())
        editor->copyToClipboard();
}

void KestrelEditor::onClickUndo()
{
    if (Editor *editor = document()) {
        editor->undo();
        StatisticsClient::ExecuteAction("cap_30_10");
    }
}

void KestrelEditor::onClickRedo()
{
    if (Editor *editor = document()) {
        editor->redo();
        StatisticsClient::ExecuteAction("cap_30_11");
    }
}

void KestrelEditor::onClickReset()
{
    if (Editor *editor = document()) {
        editor->reset();
        StatisticsClient::ExecuteAction("cap_30_09");
    }
}

void KestrelEditor::onFigureSelected(Editor::ShapeType shapeType, Qt::PenStyle lineType,
                                     const QColor &fillColor, const QColor &lineColor)
{
    if (Editor *editor = document())
        editor->setShapeType(shapeType);
    preferences_.setInt(KestrelPreferences::LastDrawingItem, shapeType);
    preferences_.setInt(KestrelPreferences::FigureType, shapeType);
    preferences_.setInt(KestrelPreferences::FigureLineType, lineType);
    // Colours go in the store's own encoding (red in the low byte), which the drawing items
    // and the capture program read back.
    preferences_.setColor(KestrelPreferences::FigureFillColor, fillColor);
    preferences_.setColor(KestrelPreferences::FigureLineColor, lineColor);
}

void KestrelEditor::onPenSelected(const QColor &lineColor)
{
    if (Editor *editor = document())
        editor->setShapeType(Editor::Pen);
    preferences_.setInt(KestrelPreferences::LastDrawingItem, Editor::Pen);
    preferences_.setColor(KestrelPreferences::PenColor, lineColor);
}

void KestrelEditor::onHighlighterSelected(const QColor &lineColor)
{
    if (Editor *editor = document())
        editor->setShapeType(Editor::Highlighter);
    StatisticsClient::ExecuteAction("cap_30_13");
    preferences_.setInt(KestrelPreferences::LastDrawingItem, Editor::Highlighter);
    preferences_.setColor(KestrelPreferences::HighlighterColor, lineColor);
}

void KestrelEditor::onLineSelected(int lineWidth)
{
    if (const char *code =
                codeFor(lineWidth, std::begin(kLineWidthCodes), std::end(kLineWidthCodes)))
        StatisticsClient::ExecuteAction(code);
    preferences_.setInt(KestrelPreferences::LineWidth, lineWidth);
}

void KestrelEditor::onClickText()
{
    if (Editor *editor = document())
        editor->setShapeType(Editor::Text);
    StatisticsClient::ExecuteAction("cap_30_12");
    preferences_.setInt(KestrelPreferences::LastDrawingItem, Editor::Text);
}

void KestrelEditor::onClickCrop()
{
    Editor *editor = document();
    if (editor)
        editor->setShapeType(Editor::Crop);
    StatisticsClient::ExecuteAction("cap_30_04");
    if (editor)
        editor->startCrop();
}

void KestrelEditor::onMosaicSelected(int strength)
{
    if (Editor *editor = document())
        editor->setShapeType(Editor::Mosaic);
    StatisticsClient::ExecuteAction("cap_30_05");
    if (const char *code =
                codeFor(strength, std::begin(kMosaicStrengthCodes), std::end(kMosaicStrengthCodes)))
        StatisticsClient::ExecuteAction(code);
    preferences_.setInt(KestrelPreferences::LastDrawingItem, Editor::Mosaic);
    preferences_.setInt(KestrelPreferences::MosaicStrength, strength);
}

void KestrelEditor::onClickEraser()
{
    if (Editor *editor = document())
        editor->setShapeType(Editor::Eraser);
}

void KestrelEditor::onClickPrint()
{
    Editor *editor = document();
    if (!editor)
        return;
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ImagePrinter::print(printer, editor->render(false));
}

void KestrelEditor::onClickUpdate()
{
    post(CaptureMessage::OnlineUpdateRequested);
}

// ---- Preferences and About ----

void KestrelEditor::onClickPreference(int page, bool modal)
{
    PreferencesDialog *dialog = preferencesDialog();
    if (dialog->isVisible()) {
        BringToFront(dialog);
        return;
    }
    dialog->loadAll();
    dialog->selectPage(page);
    post(CaptureMessage::PreferencesOpening);
    if (modal) {
        dialog->exec();
    } else {
        dialog->show();
        BringToFront(dialog);
    }
}

void KestrelEditor::onClickPreference(int page)
{
    onClickPreference(page, true);
}

void KestrelEditor::onClickPreference()
{
    onClickPreference(0, true);
}

// Made on first use and kept: it reopens on the page it is asked for.
PreferencesDialog *KestrelEditor::preferencesDialog()
{
    if (preferencesDialog_)
        return preferencesDialog_.get();
    preferencesDialog_ = std::make_unique<PreferencesDialog>(&preferences_);
    PreferencesDialog *dialog = preferencesDialog_.get();
    dialog->setFileNameFormatEditor([](QWidget *parent, int &type, QString &format) {
        FileNameFormatSettingDialog editor(type, format, parent);
        if (editor.exec() != QDialog::Accepted)
            return false;
        type = editor.type();
        format = editor.format();
        return true;
    });
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        onPreferencesFinished(result, dialog->windowModality() != Qt::NonModal);
    });
    return dialog;
}

void KestrelEditor::onPreferencesFinished(int result, bool modal)
{
    if (result == QDialog::Accepted)
        preferences_.save();
    post(CaptureMessage::PreferencesFinished, result, modal ? 1 : 0);
}

void KestrelEditor::onClickAbout(bool modal)
{
    auto *dialog = new AboutDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (modal) {
        dialog->exec();
    } else {
        dialog->show();
        BringToFront(dialog);
    }
}

void KestrelEditor::onClickAbout()
{
    onClickAbout(true);
}

// ---- The maker's pages ----

void KestrelEditor::openMakerPage(const char *address)
{
    QDesktopServices::openUrl(QUrl(tr(address)));
}

void KestrelEditor::onClickHelp()
{
    StatisticsClient::ExecuteAction("capt_1_052");
    openMakerPage(kHelpPage);
}

void KestrelEditor::onClickReadme()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(AppDirFile(QStringLiteral("readme.txt"))));
}

void KestrelEditor::onClickFAQ()
{
    openMakerPage(kFaqPage);
}

void KestrelEditor::onClickCustomerServices()
{
    openMakerPage(kCustomerServicesPage);
}

void KestrelEditor::onClickQuiverPage()
{
    openMakerPage(kQuiverPage);
}

void KestrelEditor::onClickNorvanePage()
{
    openMakerPage(kNorvanePage);
}

// ---- Closing and exiting ----

void KestrelEditor::onClickClose()
{
    quitRequested_ = true;
    close();
}

void KestrelEditor::closeEvent(QCloseEvent *event)
{
    if (!preferences_.getBool(KestrelPreferences::TrayMode, true))
        quitRequested_ = true;
    event->ignore();
    if (Editor *shown = document())
        shown->settleOpenItem();
    if (!quitRequested_) {
        Trace(2, QStringLiteral("closeEvent"), "hide");
        hide();
        post(CaptureMessage::HiddenToTray);
        return;
    }
    // The exit runs once the close event is over; a second close meanwhile adds nothing.
    if (exitPending_)
        return;
    exitPending_ = true;
    QTimer::singleShot(0, this, &KestrelEditor::runExitRoutine);
}

void KestrelEditor::runExitRoutine()
{
    exitPending_ = false;
    if (!ConfirmExit()) {
        quitRequested_ = false;
        return;
    }
    post(CaptureMessage::EditorExiting);
    Trace(2, QStringLiteral("operator ()"), "close");
    preferences_.save();
    if (StatisticsClient::IsInitialized())
        StatisticsClient::Finalize();
    if (crashReporter_)
        crashReporter_->ThreadFinalize();
    CaptureFolder::removeCaptures(CaptureStorage::folderPath());
    QCoreApplication::quit();
}

bool KestrelEditor::ConfirmExit()
{
    if (!ui_->historyWidget_->hasUnsavedEntries())
        return true;
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->activateWindow();
        modal->raise();
        return false;
    }
    show();
    BringToFront(this);
    post(CaptureMessage::ResultWindowShown);
    MessageBox box(MessageBox::Question, QString(),
                   tr("Unsaved images exist in history.\nWould you exit kestrel?"),
                   MessageBox::Yes | MessageBox::No, this);
    box.setInformativeText(tr("If you exit, it will remove all images in history."));
    return box.exec() == QDialog::Accepted;
}

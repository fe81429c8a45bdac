#pragma once

#include "editor/Editor.h"
#include "preferences/KestrelPreferences.h"

#include <QColor>
#include <QMainWindow>
#include <QPoint>
#include <QString>

#include <memory>

class EditorToolBar;
class PreferencesDialog;
class QLabel;
class QListWidgetItem;
class ZCRS;
struct EditorCommand;

namespace Ui {
class KestrelEditorClass;
}

// The result window of a capture: the shown document in the middle, the history strip on
// its right, the banner below and the tool bar above. It carries out the capture program's
// command lines, turns tool choices into the shown document's tool and the stored tool
// settings, and tells the capture program about its own window events.
class KestrelEditor : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(KestrelEditor)

public:
    explicit KestrelEditor(QWidget *parent = nullptr);
    ~KestrelEditor() override;

    // The application's crash reporter: this thread is announced to it now and leaves it
    // when the program exits. Not owned.
    void setCrashReporter(ZCRS *reporter);

    // Adds the capture at path to the history and shows it. A hidden window is sized round
    // the capture, placed near position and shown, unless skipShow.
    void AddNewPixmap(const QString &path, QPoint position, bool skipShow);
    // Brings the window up, in the middle of its screen when it was hidden.
    void ShowResultWindow();

    KestrelPreferences &preferences() { return preferences_; }

signals:
    // Every command line, the program's own and each forwarded one, arrives here.
    void commandArrived(const QString &cmdline);
    void emptyEditor(bool isEmpty);
    void clickHistoryHide();
    void saveCurrentImage(bool autoSave);

public slots:
    void treatCommand(const QString &cmdline);
    void onClickCapture();
    void onClickSave();
    void onClickCopy();
    void onClickUndo();
    void onClickRedo();
    void onClickReset();
    void onFigureSelected(Editor::ShapeType shapeType, Qt::PenStyle lineType,
                          const QColor &fillColor, const QColor &lineColor);
    void onPenSelected(const QColor &lineColor);
    void onHighlighterSelected(const QColor &lineColor);
    void onLineSelected(int lineWidth);
    void onClickText();
    void onClickCrop();
    void onMosaicSelected(int strength);
    void onClickEraser();
    void onClickPrint();
    void onClickUpdate();
    void onClickPreference(int page, bool modal);
    void onClickPreference(int page);
    void onClickPreference();
    void onClickClose();
    void onClickHelp();
    void onClickReadme();
    void onClickFAQ();
    void onClickCustomerServices();
    void onClickQuiverPage();
    void onClickNorvanePage();
    void onClickAbout(bool modal);
    void onClickAbout();
    void onClickHistoryShow();
    void onClickHistoryHide();
    void onHistorySelectionChanged(QListWidgetItem *item);
    void onChangeShape(Editor::ShapeType shapeType);
    void onCanUndo(bool canUndo);
    void onCanRedo(bool canRedo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void addWindowShortcuts();
    void connectView();
    void connectHistory();
    void onEmptyEditor(bool isEmpty);
    void setEditingEnabled(bool enabled);
    void showUnreadableNotice(bool show);
    void execute(const EditorCommand &command);
    void updatePrefValue(int index, bool value);
    // The shown document, or null.
    Editor *document() const;
    bool isEditingOpenItem() const;
    void onEscape();
    void onReturn();
    void selectHistoryRow(int step);
    void runExitRoutine();
    bool ConfirmExit();
    void openMakerPage(const char *address);

    PreferencesDialog *preferencesDialog();
    void onPreferencesFinished(int result, bool modal);

    const std::unique_ptr<Ui::KestrelEditorClass> ui_;
    KestrelPreferences preferences_;
    bool quitRequested_ = false;
    bool exitPending_ = false;
    std::unique_ptr<PreferencesDialog> preferencesDialog_;
    EditorToolBar *toolBar_ = nullptr;
    QLabel *unreadableNotice_ = nullptr;
    ZCRS *crashReporter_ = nullptr;
};

#pragma once

#include <QSize>
#include <QWidget>
#include <memory>

class Editor;
class History;
class HistoryListWidget;
class HistoryListWidgetItem;
class KestrelPreferences;
class QListWidgetItem;

namespace Ui {
class HistoryWidget;
}

// The history panel beside the image: a title bar, the count of captures, the select
// mode with its save and delete buttons, and the strip of thumbnails. The main window
// adds captures through it and shows whichever capture it announces as selected.
class HistoryWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryWidget)

public:
    static constexpr int kMaximumCount = 100;

    // What may happen to a new capture: added, or refused because the history is full,
    // possibly with the user asking to see the result window.
    enum CaptureRoom { RoomAvailable, CaptureRefused, CaptureRefusedShowWindow };

    explicit HistoryWidget(QWidget *parent = nullptr);
    ~HistoryWidget() override;

    void setPreferences(KestrelPreferences *preferences);
    HistoryListWidget *listWidget() const;

    // Inserts the entry at the top and selects it.
    void addHistory(const History &history);
    bool isFull() const;
    int maximumCount() const { return kMaximumCount; }
    // On a full history drops the oldest entry when "AutoHistoryDelete" is on; otherwise
    // tells the user the capture cannot be kept.
    CaptureRoom makeRoomForCapture();
    void deleteOldest();
    bool hasUnsavedEntries() const;
    // The size of the selected capture as it would be saved; invalid with nothing
    // selected or when its file cannot be read.
    QSize currentImageSize() const;
    void refreshCountInfo();
    // The neighbours of the selected row, for the arrow keys.
    void selectPreviousRow();
    void selectNextRow();

signals:
    void itemSelectionChanged(QListWidgetItem *item);
    void shortcutDelete(HistoryListWidgetItem *item);
    void historyHide();

public slots:
    void onEmptyEditor(bool isEmpty);
    void onClickHistoryHide();
    void onClickSelectMode();
    void onItemSelectionChanged();
    void onSaveCurrentImage(bool autoSave);
    void onDeleteCurrentImage();
    void onSaveImage(QListWidgetItem *item, bool autoSave = false);
    void onClickSaveImages();
    void onClickDeleteImages();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void selectRowBeside(int step);
    void leaveSelectMode();
    // Writes the capture, marks it saved and remembers its folder ("FilePath"); tells the
    // user when it fails.
    bool saveCapture(Editor *editor, const QString &path);
    // The path chosen in the save file dialog; empty when cancelled.
    QString askSavePath();
    void reportSaveFailure(const QString &path);

    const std::unique_ptr<Ui::HistoryWidget> ui_;
    KestrelPreferences *preferences_ = nullptr;
    bool saving_ = false;
};

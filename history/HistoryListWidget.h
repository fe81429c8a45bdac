#pragma once

#include "history/History.h"
#include "history/HistorySelectMode.h"

#include <QList>
#include <QListWidget>

class Editor;
class HistoryButtonWidget;
class HistoryListWidgetItem;
class KestrelPreferences;

// The rows of the history strip, newest first, one per capture. Only the selected row's
// document holds its image; the others keep their annotations and a thumbnail. A row's
// document is released together with the row.
class HistoryListWidget : public QListWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryListWidget)

public:
    explicit HistoryListWidget(QWidget *parent = nullptr);
    ~HistoryListWidget() override;

    void setPreferences(KestrelPreferences *preferences) { preferences_ = preferences; }

    // Inserts the entry at the top, selected when asked.
    HistoryListWidgetItem *addHistory(const History &history, bool select = true);
    // Removes the row and releases its document. With `ask`, an unsaved capture is first
    // confirmed; false when the row stays.
    bool deleteItem(HistoryListWidgetItem *item, bool ask);
    bool deleteRow(int row, bool ask);
    // Removes several rows without asking, then selects the top row, if any is left, and
    // announces the selection once.
    void deleteItems(const QList<HistoryListWidgetItem *> &items);

    HistoryListWidgetItem *historyItem(int row) const;
    HistoryButtonWidget *buttonWidget(QListWidgetItem *item) const;
    HistoryListWidgetItem *firstSelectedItem() const;
    // The row of a document, or null once the row is gone.
    HistoryListWidgetItem *itemOf(const Editor *editor) const;
    // Rows whose select button is checked, top to bottom.
    QList<HistoryListWidgetItem *> checkedItems() const;

    HistorySelectMode historySelectMode() const { return mode_; }
    void setHistorySelectMode(HistorySelectMode mode);

signals:
    void changeSelectionMode(HistorySelectMode mode);
    void changeSelectChecked(bool checked);
    void updateHistoryCount();
    void contextMenuSave(QListWidgetItem *item, bool autoSave = false);
    void contextMenuSaveImages();
    void contextMenuDeleteImages();

public slots:
    void onContextMenuSave(HistoryListWidgetItem *item);
    void onContextMenuDelete(HistoryListWidgetItem *item);
    void onContextMenuSaveImages();
    void onContextMenuDeleteImages();
    void onContextMenuOpenSavedFolder(HistoryListWidgetItem *item);
    void onContextMenuOpenSavedImage(HistoryListWidgetItem *item);
    void onHistoryClicked(HistoryListWidgetItem *item);
    // Hands the row's annotated capture to whatever it is dropped on; the selection stays.
    void onDragStarted(HistoryListWidgetItem *item);
    void onItemSelectionChanged();

private:
    void connectRow(HistoryListWidgetItem *item, HistoryButtonWidget *widget);
    HistoryListWidgetItem *confirmDelete(HistoryListWidgetItem *item);
    void takeRow(int row);
    void selectRow(int row);

    KestrelPreferences *preferences_ = nullptr;
    HistorySelectMode mode_ = NormalSelectMode;
};

#pragma once

#include "history/HistorySelectMode.h"

#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QWidget>

class Editor;
class HistoryButton;
class HistoryListWidgetItem;
class Menu;
class QAction;

// The widget of one history row: the thumbnail, centred, and the row's context menu. It
// turns what happens on the thumbnail into signals that name the row.
class HistoryButtonWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryButtonWidget)

public:
    explicit HistoryButtonWidget(HistoryListWidgetItem *item, QWidget *parent = nullptr);
    ~HistoryButtonWidget() override;

    HistoryListWidgetItem *item() const { return item_; }
    HistoryButton *button() const { return button_; }
    HistorySelectMode selectionMode() const { return mode_; }
    bool isSelectChecked() const;

    // The annotated capture (cropped) drawn at thumbnail size: the image is sampled down
    // and the items are painted at that size, so the cost follows the thumbnail, not the
    // capture. Null while the document's image is not loaded or empty.
    static QPixmap renderThumbnail(Editor &editor, const QSize &iconSize);

signals:
    void clicked(HistoryListWidgetItem *item);
    void dragStarted(HistoryListWidgetItem *item);
    void imageSaved(bool saved);
    void changeSelectChecked(bool checked);
    void changeSelectionMode(HistorySelectMode mode);
    void contextMenuSave(HistoryListWidgetItem *item);
    void contextMenuDelete(HistoryListWidgetItem *item);
    void contextMenuSaveImages();
    void contextMenuDeleteImages();
    void contextMenuOpenSavedFolder(HistoryListWidgetItem *item);
    void contextMenuOpenSavedImage(HistoryListWidgetItem *item);
    void isSelectedItem(bool &selected);

public slots:
    void onClicked();
    void onChangedItemList();
    void onContextMenuSave();
    void onContextMenuDelete();
    void onContextMenuSaveImages();
    void onContextMenuDeleteImages();
    void onContextMenuOpenSavedFolder();
    void onContextMenuOpenSavedImage();
    void onChangeSelectionMode(HistorySelectMode mode);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildContextMenu();

    HistoryListWidgetItem *item_;
    // Kept apart from the row so the row's connections can be undone after it is gone.
    QPointer<Editor> editor_;
    HistoryButton *const button_;
    HistorySelectMode mode_ = NormalSelectMode;
    // Built on the first right click: most rows never need one.
    Menu *menu_ = nullptr;
    QAction *saveImagesAction_ = nullptr;
    QAction *deleteImagesAction_ = nullptr;
    QAction *openSavedFolderAction_ = nullptr;
    QAction *openSavedImageAction_ = nullptr;
};

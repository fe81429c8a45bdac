#include "history/HistoryListWidget.h"

#include "editor/Editor.h"
#include "history/ConfirmDeleteDialog.h"
#include "history/HistoryButton.h"
#include "history/HistoryButtonWidget.h"
#include "history/HistoryListWidgetItem.h"
#include "output/CaptureMimeData.h"
#include "preferences/KestrelPreferences.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QSignalBlocker>
#include <QUrl>

namespace {

constexpr int kRowHeight = 87;

void openWithDesktop(const QString &path)
{
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(path));
}

} // namespace

HistoryListWidget::HistoryListWidget(QWidget *parent) : QListWidget(parent)
{
    History::registerMetaType();
    qRegisterMetaType<HistorySelectMode>("HistorySelectMode");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this,
            &HistoryListWidget::onItemSelectionChanged);
}

HistoryListWidget::~HistoryListWidget() = default;

HistoryListWidgetItem *HistoryListWidget::addHistory(const History &history, bool select)
{
    auto *item = new HistoryListWidgetItem(history);
    item->setSizeHint(QSize(0, kRowHeight));
    insertItem(0, item);
    auto *widget = new HistoryButtonWidget(item);
    setItemWidget(item, widget);
    connectRow(item, widget);
    emit widget->changeSelectionMode(mode_);
    if (select) {
        onHistoryClicked(item);
    } else if (Editor *editor = item->editor()) {
        // A row that is not shown still gets its thumbnail, from a short visit of its image.
        widget->button()->setChecked(false);
        const bool loaded = editor->isImageLoaded();
        editor->setImageLoaded(true);
        widget->onChangedItemList();
        editor->setImageLoaded(loaded);
    }
    return item;
}

void HistoryListWidget::connectRow(HistoryListWidgetItem *item, HistoryButtonWidget *widget)
{
    connect(this, &HistoryListWidget::changeSelectionMode, widget,
            &HistoryButtonWidget::changeSelectionMode);
    connect(widget, &HistoryButtonWidget::clicked, this, &HistoryListWidget::onHistoryClicked);
    connect(widget, &HistoryButtonWidget::dragStarted, this, &HistoryListWidget::onDragStarted);
    connect(widget, &HistoryButtonWidget::changeSelectChecked, this,
            &HistoryListWidget::changeSelectChecked);
    connect(widget, &HistoryButtonWidget::contextMenuSave, this,
            &HistoryListWidget::onContextMenuSave);
    connect(widget, &HistoryButtonWidget::contextMenuDelete, this,
            &HistoryListWidget::onContextMenuDelete);
    connect(widget, &HistoryButtonWidget::contextMenuSaveImages, this,
            &HistoryListWidget::onContextMenuSaveImages);
    connect(widget, &HistoryButtonWidget::contextMenuDeleteImages, this,
            &HistoryListWidget::onContextMenuDeleteImages);
    connect(widget, &HistoryButtonWidget::contextMenuOpenSavedFolder, this,
            &HistoryListWidget::onContextMenuOpenSavedFolder);
    connect(widget, &HistoryButtonWidget::contextMenuOpenSavedImage, this,
            &HistoryListWidget::onContextMenuOpenSavedImage);
    connect(widget, &HistoryButtonWidget::isSelectedItem, this,
            [this](bool &selected) { selected = !checkedItems().isEmpty(); });
    if (Editor *editor = item->editor()) {
        connect(editor, &Editor::changedItemList, widget, &HistoryButtonWidget::onChangedItemList);
        connect(editor, &Editor::imageSaved, widget, &HistoryButtonWidget::imageSaved);
    }
}

HistoryListWidgetItem *HistoryListWidget::historyItem(int row) const
{
    return static_cast<HistoryListWidgetItem *>(item(row));
}

HistoryButtonWidget *HistoryListWidget::buttonWidget(QListWidgetItem *item) const
{
    return item ? qobject_cast<HistoryButtonWidget *>(itemWidget(item)) : nullptr;
}

HistoryListWidgetItem *HistoryListWidget::firstSelectedItem() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : static_cast<HistoryListWidgetItem *>(selected.first());
}

QList<HistoryListWidgetItem *> HistoryListWidget::checkedItems() const
{
    QList<HistoryListWidgetItem *> checked;
    for (int row = 0; row < count(); ++row) {
        HistoryButtonWidget *widget = buttonWidget(item(row));
        if (widget && widget->isSelectChecked())
            checked << historyItem(row);
    }
    return checked;
}

HistoryListWidgetItem *HistoryListWidget::itemOf(const Editor *editor) const
{
    for (int row = 0; editor && row < count(); ++row) {
        if (historyItem(row)->editor() == editor)
            return historyItem(row);
    }
    return nullptr;
}

void HistoryListWidget::setHistorySelectMode(HistorySelectMode mode)
{
    mode_ = mode;
    emit changeSelectionMode(mode);
}

void HistoryListWidget::onHistoryClicked(HistoryListWidgetItem *item)
{
    if (!item || row(item) < 0)
        return;
    if (HistoryButtonWidget *widget = buttonWidget(item))
        widget->button()->setChecked(true);
    setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
}

void HistoryListWidget::onDragStarted(HistoryListWidgetItem *item)
{
    // The list, not the row, is the source: a row may go while the drag runs.
    if (Editor *editor = item && row(item) >= 0 ? item->editor() : nullptr)
        CaptureMimeData::startDrag(this, editor->picture());
}

void HistoryListWidget::selectRow(int row)
{
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

// Only the selected document keeps its image; every other one drops it. Runs again
// harmlessly for an unchanged selection.
void HistoryListWidget::onItemSelectionChanged()
{
    for (int row = 0; row < count(); ++row) {
        HistoryListWidgetItem *item = historyItem(row);
        HistoryButtonWidget *widget = buttonWidget(item);
        Editor *editor = item->editor();
        if (!widget || !editor)
            continue;
        const bool selected = item->isSelected();
        editor->setImageLoaded(selected);
        widget->button()->setChecked(selected);
        if (selected) {
            widget->button()->setUnreadable(!editor->isImageLoaded());
            widget->onChangedItemList();
        }
    }
}

bool HistoryListWidget::deleteRow(int row, bool ask)
{
    return deleteItem(historyItem(row), ask);
}

bool HistoryListWidget::deleteItem(HistoryListWidgetItem *item, bool ask)
{
    if (!item || row(item) < 0)
        return false;
    if (ask)
        item = confirmDelete(item);
    if (!item)
        return false;
    const int deleted = row(item);
    const bool wasSelected = item->isSelected();
    HistoryListWidgetItem *selectedBefore = wasSelected ? nullptr : firstSelectedItem();
    {
        // The selection settles first and is announced once, after the row is gone.
        const QSignalBlocker blocker(this);
        takeRow(deleted);
        if (count() == 0)
            clearSelection();
        else if (wasSelected || checkedItems().isEmpty())
            selectRow(qMax(deleted - 1, 0));
    }
    emit updateHistoryCount();
    if (wasSelected || firstSelectedItem() != selectedBefore)
        emit itemSelectionChanged();
    return true;
}

void HistoryListWidget::deleteItems(const QList<HistoryListWidgetItem *> &items)
{
    {
        const QSignalBlocker blocker(this);
        for (HistoryListWidgetItem *item : items) {
            const int at = row(item);
            if (at >= 0)
                takeRow(at);
        }
        if (count() > 0)
            selectRow(0);
        else
            clearSelection();
    }
    emit updateHistoryCount();
    emit itemSelectionChanged();
}

// Closes the row's widget, removes the row and releases its document. The release waits
// for the event loop: whoever shows the document hears of the new selection first.
void HistoryListWidget::takeRow(int row)
{
    auto *item = historyItem(row);
    if (QWidget *widget = itemWidget(item)) {
        widget->close();
        removeItemWidget(item);
    }
    QPointer<Editor> editor = item->editor();
    delete takeItem(row);
    if (editor) {
        editor->setImageLoaded(false);
        editor->deleteLater();
    }
}

// Runs the confirmation for an unsaved capture. The dialog's event loop may change the
// list (a capture arriving meanwhile can push the oldest row out), so the row is looked
// up again afterwards; null means keep, or gone.
HistoryListWidgetItem *HistoryListWidget::confirmDelete(HistoryListWidgetItem *item)
{
    QPointer<Editor> editor = item->editor();
    const bool notify = preferences_
            ? preferences_->getBool(KestrelPreferences::NotifyDeleteHistory, true)
            : true;
    if (!editor || editor->isSaved() || !notify)
        return item;
    ConfirmDeleteDialog dialog(ConfirmDeleteDialog::Single, window());
    const int answer = dialog.exec();
    if (preferences_)
        preferences_->setBool(KestrelPreferences::NotifyDeleteHistory, !dialog.isSkipChecked());
    if (answer == ConfirmDeleteDialog::DeleteAfterSave) {
        if (HistoryListWidgetItem *current = itemOf(editor))
            emit contextMenuSave(current, false);
        return editor && editor->isSaved() ? itemOf(editor) : nullptr;
    }
    return answer == ConfirmDeleteDialog::Delete ? itemOf(editor) : nullptr;
}

void HistoryListWidget::onContextMenuSave(HistoryListWidgetItem *item)
{
    if (item)
        emit contextMenuSave(item, false);
}

void HistoryListWidget::onContextMenuDelete(HistoryListWidgetItem *item)
{
    deleteItem(item, true);
}

void HistoryListWidget::onContextMenuSaveImages()
{
    emit contextMenuSaveImages();
}

void HistoryListWidget::onContextMenuDeleteImages()
{
    emit contextMenuDeleteImages();
}

void HistoryListWidget::onContextMenuOpenSavedFolder(HistoryListWidgetItem *item)
{
    const Editor *editor = item ? item->editor() : nullptr;
    if (editor && editor->isSaved())
        openWithDesktop(QFileInfo(editor->savedPath()).absolutePath());
}

void HistoryListWidget::onContextMenuOpenSavedImage(HistoryListWidgetItem *item)
{
    const Editor *editor = item ? item->editor() : nullptr;
    if (editor && editor->isSaved())
        openWithDesktop(editor->savedPath());
}

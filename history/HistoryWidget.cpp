#include "history/HistoryWidget.h"

#include "ui_HistoryWidget.h"

#include "editor/Editor.h"
#include "history/History.h"
#include "history/HistoryListWidget.h"
#include "history/HistoryListWidgetItem.h"
#include "preferences/KestrelPreferences.h"
#include "services/StatisticsClient.h"
#include "widgets/MessageBox.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// The panel's button texts and tool tips in each selection mode.
struct ModeTexts
{
    const char *select;
    const char *save;
    const char *remove;
    const char *selectTip;
    const char *saveTip;
    const char *removeTip;
};

// clang-format off
const ModeTexts kModeTexts[] = {
    {QT_TRANSLATE_NOOP("HistoryWidget", "select"),
     QT_TRANSLATE_NOOP("HistoryWidget", "save images"),
     QT_TRANSLATE_NOOP("HistoryWidget", "delete images"),
     QT_TRANSLATE_NOOP("HistoryWidget", "choose images"),
     QT_TRANSLATE_NOOP("HistoryWidget", "save all images in history"),
     QT_TRANSLATE_NOOP("HistoryWidget", "delete all images in history")},
    {QT_TRANSLATE_NOOP("HistoryWidget", "cancel"),
     QT_TRANSLATE_NOOP("HistoryWidget", "save selected images"),
     QT_TRANSLATE_NOOP("HistoryWidget", "delete selected images"),
     QT_TRANSLATE_NOOP("HistoryWidget", "cancel select mode"),
     QT_TRANSLATE_NOOP("HistoryWidget", "save selected images in history"),
     QT_TRANSLATE_NOOP("HistoryWidget", "delete selected imagesin history")},
};
// clang-format on

} // namespace

HistoryWidget::HistoryWidget(QWidget *parent) : QWidget(parent), ui_(new Ui::HistoryWidget)
{
    ui_->setupUi(this);
    HistoryListWidget *list = ui_->historyListWidget_;
    connect(ui_->historyHide_, &QPushButton::clicked, this, &HistoryWidget::onClickHistoryHide);
    connect(ui_->historySelectMode_, &QPushButton::clicked, this,
            &HistoryWidget::onClickSelectMode);
    connect(this, &HistoryWidget::shortcutDelete, list, &HistoryListWidget::onContextMenuDelete);
    connect(list, &QListWidget::itemSelectionChanged, this, &HistoryWidget::onItemSelectionChanged);
    connect(list, &HistoryListWidget::changeSelectChecked, this, &HistoryWidget::refreshCountInfo);
    connect(list, &HistoryListWidget::updateHistoryCount, this, &HistoryWidget::refreshCountInfo);
    connect(list, &HistoryListWidget::changeSelectionMode, this, &HistoryWidget::refreshCountInfo);
    connect(list, &HistoryListWidget::contextMenuSave, this, &HistoryWidget::onSaveImage);
    connect(list, &HistoryListWidget::contextMenuSaveImages, this,
            &HistoryWidget::onClickSaveImages);
    connect(ui_->historySaveImages_, &QPushButton::clicked, this,
            &HistoryWidget::onClickSaveImages);
    connect(list, &HistoryListWidget::contextMenuDeleteImages, this,
            &HistoryWidget::onClickDeleteImages);
    connect(ui_->historyDeleteImages_, &QPushButton::clicked, this,
            &HistoryWidget::onClickDeleteImages);
    onClickSelectMode();
}

HistoryWidget::~HistoryWidget() = default;

void HistoryWidget::setPreferences(KestrelPreferences *preferences)
{
    preferences_ = preferences;
    ui_->historyListWidget_->setPreferences(preferences);
}

HistoryListWidget *HistoryWidget::listWidget() const
{
    return ui_->historyListWidget_;
}

void HistoryWidget::addHistory(const History &history)
{
    ui_->historyListWidget_->addHistory(history, true);
    refreshCountInfo();
}

bool HistoryWidget::isFull() const
{
    return ui_->historyListWidget_->count() >= kMaximumCount;
}

HistoryWidget::CaptureRoom HistoryWidget::makeRoomForCapture()
{
    if (!isFull())
        return RoomAvailable;
    if (preferences_ && preferences_->getBool(KestrelPreferences::AutoHistoryDelete, false)) {
        while (isFull())
            deleteOldest();
        return RoomAvailable;
    }
    MessageBox box(MessageBox::Information, QString(),
                   tr("The number of images in the recent capture list has exceeded the "
                      "maximum (%0).")
                           .arg(kMaximumCount),
                   MessageBox::Close, window());
    box.setInformativeText(tr("If you want to continue using the capture, please empty the "
                              "recent capture list in the kestrel result window."));
    box.addButton(tr("Open result window"), QDialogButtonBox::AcceptRole);
    return box.exec() == QDialog::Accepted ? CaptureRefusedShowWindow : CaptureRefused;
}

void HistoryWidget::deleteOldest()
{
    HistoryListWidget *list = ui_->historyListWidget_;
    list->deleteRow(list->count() - 1, false);
}

bool HistoryWidget::hasUnsavedEntries() const
{
    const HistoryListWidget *list = ui_->historyListWidget_;
    for (int row = 0; row < list->count(); ++row) {
        const Editor *editor = list->historyItem(row)->editor();
        if (editor && !editor->isSaved())
            return true;
    }
    return false;
}

QSize HistoryWidget::currentImageSize() const
{
    const HistoryListWidgetItem *item = ui_->historyListWidget_->firstSelectedItem();
    Editor *editor = item ? item->editor() : nullptr;
    // The size of the saved picture, known without rendering it.
    return editor && editor->isImageLoaded() ? editor->imageRect().size() : QSize();
}

void HistoryWidget::refreshCountInfo()
{
    const HistoryListWidget *list = ui_->historyListWidget_;
    if (list->historySelectMode() == MultiSelectMode) {
        const int checked = list->checkedItems().size();
        ui_->countInfo_->setText(tr("[%0 selected]").arg(checked));
        ui_->historySaveImages_->setEnabled(checked > 0);
        ui_->historyDeleteImages_->setEnabled(checked > 0);
    } else {
        ui_->countInfo_->setText(tr("[%0/%1]").arg(list->count()).arg(kMaximumCount));
    }
}

void HistoryWidget::selectPreviousRow()
{
    selectRowBeside(-1);
}

void HistoryWidget::selectNextRow()
{
    selectRowBeside(1);
}

void HistoryWidget::selectRowBeside(int step)
{
    HistoryListWidget *list = ui_->historyListWidget_;
    HistoryListWidgetItem *selected = list->firstSelectedItem();
    if (!selected)
        return;
    if (HistoryListWidgetItem *next = list->historyItem(list->row(selected) + step))
        list->onHistoryClicked(next);
}

void HistoryWidget::onEmptyEditor(bool isEmpty)
{
    if (isEmpty) {
        ui_->historySelectMode_->setChecked(false);
        onClickSelectMode();
    }
    ui_->historySelectMode_->setEnabled(!isEmpty);
    ui_->historySaveImages_->setEnabled(!isEmpty);
    ui_->historyDeleteImages_->setEnabled(!isEmpty);
    refreshCountInfo();
}

void HistoryWidget::onClickHistoryHide()
{
    emit historyHide();
}

void HistoryWidget::onClickSelectMode()
{
    const bool entering = ui_->historySelectMode_->isChecked();
    const ModeTexts &texts = kModeTexts[entering ? MultiSelectMode : NormalSelectMode];
    if (entering) {
        StatisticsClient::ExecuteAction("cap_30_19");
    } else {
        ui_->historySaveImages_->setEnabled(true);
        ui_->historyDeleteImages_->setEnabled(true);
    }
    ui_->historySelectMode_->setText(tr(texts.select));
    ui_->historySaveImages_->setText(tr(texts.save));
    ui_->historyDeleteImages_->setText(tr(texts.remove));
    ui_->historySelectMode_->setToolTip(tr(texts.selectTip));
    ui_->historySaveImages_->setToolTip(tr(texts.saveTip));
    ui_->historyDeleteImages_->setToolTip(tr(texts.removeTip));
    ui_->historyListWidget_->setHistorySelectMode(entering ? MultiSelectMode : NormalSelectMode);
    // Also reached through the list's mode change; the label must follow the new mode.
    refreshCountInfo();
}

void HistoryWidget::onItemSelectionChanged()
{
    emit itemSelectionChanged(ui_->historyListWidget_->firstSelectedItem());
}

void HistoryWidget::onSaveCurrentImage(bool autoSave)
{
    onSaveImage(ui_->historyListWidget_->firstSelectedItem(), autoSave);
}

void HistoryWidget::onDeleteCurrentImage()
{
    HistoryListWidget *list = ui_->historyListWidget_;
    if (list->historySelectMode() != NormalSelectMode)
        return;
    if (HistoryListWidgetItem *item = list->firstSelectedItem())
        emit shortcutDelete(item);
}

// The save and multi-delete flows, with their dialogs, come with the file-name templates;
// until then these starting points do nothing.
void HistoryWidget::onSaveImage(QListWidgetItem *, bool) { }

void HistoryWidget::onClickSaveImages() { }

void HistoryWidget::onClickDeleteImages() { }

void HistoryWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

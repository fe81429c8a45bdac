#include "history/HistoryWidget.h"

#include "ui_HistoryWidget.h"

#include "editor/Editor.h"
#include "history/ConfirmDeleteDialog.h"
#include "history/ConfirmSaveDialog.h"
#include "history/History.h"
#include "history/HistoryButtonWidget.h"
#include "history/HistoryListWidget.h"
#include "history/HistoryListWidgetItem.h"
#include "history/MultiSaver.h"
#include "history/PostSaveDialog.h"
#include "output/FileNameUtil.h"
#include "output/ReservedFile.h"
#include "output/SaveSettings.h"
#include "preferences/KestrelPreferences.h"
#include "services/StatisticsClient.h"
#include "widgets/MessageBox.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
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
    if (isEmpty)
        leaveSelectMode();
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

void HistoryWidget::onSaveImage(QListWidgetItem *item, bool autoSave)
{
    StatisticsClient::ExecuteAction("cap_30_01");
    auto *row = static_cast<HistoryListWidgetItem *>(item);
    if (!row || !preferences_)
        return;
    // The file dialog runs an event loop, during which the row may go.
    const QPointer<Editor> editor = row->editor();
    QString path;
    if (autoSave) {
        const QString folder = SaveSettings::autoSaveFolder(*preferences_);
        ReservedFile file = FileNameUtil(preferences_).reserveFileName(folder);
        if (!file.isValid()) {
            // The folder took no file at all.
            reportSaveFailure(QString());
            return;
        }
        if (!saveCapture(editor, file.path()))
            return;
        file.keep();
        path = file.path();
    } else {
        path = askSavePath();
        if (path.isEmpty() || !saveCapture(editor, path))
            return;
    }
    preferences_->setString(KestrelPreferences::AutoSavePath, QFileInfo(path).absolutePath());
    PostSaveDialog::present(*preferences_, PostSaveDialog::Single, path, 1, window());
}

bool HistoryWidget::saveCapture(Editor *editor, const QString &path)
{
    if (!editor || !editor->save(path, true, SaveSettings::jpgQuality(*preferences_))) {
        reportSaveFailure(path);
        return false;
    }
    // By the last suffix, which also chose the format: "v1.2.png" is a PNG.
    static const QHash<QString, const char *> kFormatCodes = {
            {QStringLiteral("png"), "capt_1_011"},
            {QStringLiteral("jpg"), "capt_1_012"},
            {QStringLiteral("bmp"), "capt_1_013"},
            {QStringLiteral("gif"), "capt_1_014"}};
    const QFileInfo saved(path);
    if (const char *code = kFormatCodes.value(saved.suffix().toLower()))
        StatisticsClient::ExecuteAction(code);
    preferences_->setString(KestrelPreferences::FilePath, saved.absolutePath());
    return true;
}

QString HistoryWidget::askSavePath()
{
    const QString filterText =
            tr("png file (*.png);;jpg file (*.jpg);;bmp file (*.bmp);;gif file (*.gif)");
    const QString folder = SaveSettings::saveFolder(*preferences_);
    // On the heap and watched: the window may be destroyed while the dialog runs.
    QPointer<QFileDialog> dialog = new QFileDialog(
            window(), QString(), FileNameUtil(preferences_).fileName(folder), filterText);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->selectNameFilter(
            filterText.split(QStringLiteral(";;"))
                    .value(preferences_->getInt(KestrelPreferences::FileFormat, 0)));
    // A name typed without extension gets the chosen type's, before the dialog asks whether
    // to replace an existing file of that name.
    const auto followFilter = [dialog](const QString &filter) {
        static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
        dialog->setDefaultSuffix(pattern.match(filter).captured(1));
    };
    followFilter(dialog->selectedNameFilter());
    connect(dialog, &QFileDialog::filterSelected, dialog, followFilter);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return QString();
    const QString path = accepted ? dialog->selectedFiles().value(0) : QString();
    delete dialog;
    return path;
}

// A target that exists is judged by itself, a new one by the folder meant to hold it.
void HistoryWidget::reportSaveFailure(const QString &path)
{
    QFileInfo target(path);
    if (!path.isEmpty() && !target.exists())
        target = QFileInfo(target.absolutePath());
    const bool accessible =
            !path.isEmpty() && target.exists() && target.isReadable() && target.isWritable();
    MessageBox::warning(window(), QString(),
                        accessible ? tr("failed to save image.")
                                   : tr("failed to access save file."));
}

void HistoryWidget::onClickSaveImages()
{
    HistoryListWidget *list = ui_->historyListWidget_;
    const bool selectMode = list->historySelectMode() == MultiSelectMode;
    StatisticsClient::ExecuteAction(selectMode ? "cap_30_20" : "cap_30_22");
    if (!preferences_ || saving_)
        return;
    {
        // On the heap and watched: the window may be destroyed while the dialog runs.
        QPointer<ConfirmSaveDialog> dialog = new ConfirmSaveDialog(
                preferences_, selectMode ? ConfirmSaveDialog::Selected : ConfirmSaveDialog::All,
                window());
        const bool accepted = dialog->exec() == QDialog::Accepted;
        delete dialog;
        if (!accepted)
            return;
    }
    // Oldest first, so the numbered names follow the order of capture.
    QList<Editor *> editors;
    for (int row = list->count() - 1; row >= 0; --row) {
        HistoryListWidgetItem *item = list->historyItem(row);
        HistoryButtonWidget *widget = list->buttonWidget(item);
        if (item && item->editor() && (!selectMode || (widget && widget->isSelectChecked())))
            editors << item->editor();
    }
    saving_ = true;
    const MultiSaver::Result result = MultiSaver(*preferences_, window()).save(editors);
    saving_ = false;

    if (result.saved > 0 && result.failed > 0) {
        MessageBox::warning(window(), QString(),
                            tr("Saved %0 images, but failed to save %1 images.")
                                    .arg(result.saved)
                                    .arg(result.failed));
    }
    if (result.saved > 0) {
        PostSaveDialog::present(*preferences_, PostSaveDialog::Several, result.firstPath,
                                result.saved, window());
    } else {
        MessageBox::warning(window(), QString(),
                            tr("failed to save images.\nplease change save folder."));
    }
    StatisticsClient::ExecuteAction("cap_20_005");
    if (selectMode)
        leaveSelectMode();
}

void HistoryWidget::onClickDeleteImages()
{
    HistoryListWidget *list = ui_->historyListWidget_;
    const bool selectMode = list->historySelectMode() == MultiSelectMode;
    StatisticsClient::ExecuteAction(selectMode ? "cap_30_21" : "cap_30_23");
    if (!preferences_)
        return;
    // The rows the user saw when asked: a capture that arrives during the question stays.
    QList<QPointer<Editor>> doomed;
    for (int row = 0; row < list->count(); ++row) {
        HistoryListWidgetItem *item = list->historyItem(row);
        HistoryButtonWidget *widget = list->buttonWidget(item);
        if (!selectMode || (widget && widget->isSelectChecked()))
            doomed << item->editor();
    }
    const int answer = ConfirmDeleteDialog::confirm(
            *preferences_, selectMode ? ConfirmDeleteDialog::Selected : ConfirmDeleteDialog::All,
            window());
    if (answer != ConfirmDeleteDialog::Delete)
        return;
    QList<HistoryListWidgetItem *> items;
    for (const QPointer<Editor> &editor : doomed) {
        if (HistoryListWidgetItem *item = list->itemOf(editor))
            items << item;
    }
    list->deleteItems(items);
    if (selectMode)
        leaveSelectMode();
    refreshCountInfo();
}

void HistoryWidget::leaveSelectMode()
{
    ui_->historySelectMode_->setChecked(false);
    onClickSelectMode();
}

void HistoryWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

#include "preferences/ImagePreferencesWidget.h"

#include "preferences/KestrelPreferences.h"
#include "preferences/SizeInputDialog.h"
#include "ui_ImagePreferencesWidget.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QStandardPaths>

namespace {

constexpr int kBestQuality = 100;

} // namespace

ImagePreferencesWidget::ImagePreferencesWidget(KestrelPreferences *preferences, QWidget *parent)
    : PreferencesPage(preferences, parent), ui_(new Ui::ImagePreferencesWidget)
{
    ui_->setupUi(this);
    const QIcon browse(QStringLiteral(":/res/icons/browse_folder.svg"));
    ui_->browseSavePath_->setIcon(browse);
    ui_->browseEditTool_->setIcon(browse);
    ui_->presets_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui_->presets_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui_->setFileNameFormat_->setEnabled(false);
    usePointingHand();

    connect(ui_->format_, &QComboBox::currentTextChanged, this,
            &ImagePreferencesWidget::onChangeFormatCombo);
    connect(ui_->useAutoSave_, &QCheckBox::clicked, this,
            &ImagePreferencesWidget::onClickUseAutoSave);
    connect(ui_->useAutoSave_, &QCheckBox::stateChanged, this,
            &ImagePreferencesWidget::onStateChangedUseAutoSave);
    connect(ui_->setFileNameFormat_, &QPushButton::clicked, this,
            &ImagePreferencesWidget::onClickSetFileNameFormat);
    connect(ui_->browseSavePath_, &QPushButton::clicked, this,
            &ImagePreferencesWidget::onClickBrowseSavePath);
    connect(ui_->browseEditTool_, &QPushButton::clicked, this,
            &ImagePreferencesWidget::onClickBrowseEditTool);
    connect(ui_->presets_, &QTableWidget::itemSelectionChanged, this,
            &ImagePreferencesWidget::onTableItemSelectionChanged);
    connect(ui_->addPreset_, &QPushButton::clicked, this,
            &ImagePreferencesWidget::onClickAddPreset);
    connect(ui_->editPreset_, &QPushButton::clicked, this,
            &ImagePreferencesWidget::onClickEditPreset);
    connect(ui_->deletePreset_, &QPushButton::clicked, this,
            &ImagePreferencesWidget::onClickDeletePreset);
}

ImagePreferencesWidget::~ImagePreferencesWidget() = default;

QCheckBox *ImagePreferencesWidget::useAutoSaveBox() const
{
    return ui_->useAutoSave_;
}

void ImagePreferencesWidget::setShowFileDlgBox(QCheckBox *showFileDlg)
{
    showFileDlg_ = showFileDlg;
}

void ImagePreferencesWidget::setFileNameFormatEditor(FileNameFormatEditor editor)
{
    fileNameFormatEditor_ = std::move(editor);
    ui_->setFileNameFormat_->setEnabled(bool(fileNameFormatEditor_));
}

void ImagePreferencesWidget::loadFrom(const KestrelPreferences &source)
{
    using P = KestrelPreferences;
    // Values the lists do not offer show the first entry until the user accepts.
    const int format = source.getInt(P::FileFormat, 0);
    ui_->format_->setCurrentIndex(format >= 0 && format < ui_->format_->count() ? format : 0);
    onChangeFormatCombo(ui_->format_->currentText());

    // Text that is no number saves at the best quality, so it shows as such.
    bool isNumber = false;
    const int quality = source.getString(P::JpgQuality, QStringLiteral("100")).toInt(&isNumber);
    loadedQuality_ = isNumber ? qBound(0, quality, kBestQuality) : kBestQuality;
    ui_->quality_->setValue(loadedQuality_);

    fileNameType_ = source.getInt(P::FileNameType, 1);
    fileNameTemplate_ = source.getString(P::FileNameTemplate, QStringLiteral("%Y%m%d_%H%M%S"));

    ui_->useAutoSave_->setChecked(source.getBool(P::AutoSave, false));
    onStateChangedUseAutoSave(ui_->useAutoSave_->checkState());
    const QString savePath = source.getString(P::AutoSavePath, QString());
    savePathFallback_ = savePath.isEmpty()
            ? QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0)
            : QString();
    ui_->savePath_->setText(savePath.isEmpty() ? savePathFallback_ : savePath);

    source.sizePresets(presets_);
    showPresets();
    ui_->editTool_->setText(source.getString(P::ToolFileName, QString()));
}

void ImagePreferencesWidget::save()
{
    using P = KestrelPreferences;
    preferences_->setInt(P::FileFormat, ui_->format_->currentIndex());
    // Untouched, the stored text stays as it was written.
    if (ui_->quality_->value() != loadedQuality_)
        preferences_->setString(P::JpgQuality, QString::number(ui_->quality_->value()));
    preferences_->setInt(P::FileNameType, fileNameType_);
    preferences_->setString(P::FileNameTemplate, fileNameTemplate_);
    preferences_->setBool(P::AutoSave, ui_->useAutoSave_->isChecked());
    const QString savePath = ui_->savePath_->text();
    if (savePathFallback_.isEmpty() || savePath != savePathFallback_)
        preferences_->setString(P::AutoSavePath, savePath);
    preferences_->setString(P::ToolFileName, ui_->editTool_->text());
    preferences_->setSizePresets(presets_);
}

void ImagePreferencesWidget::onChangeFormatCombo(const QString &str)
{
    ui_->quality_->setEnabled(str.compare(QLatin1String("JPG"), Qt::CaseInsensitive) == 0);
}

void ImagePreferencesWidget::onClickUseAutoSave()
{
    if (!ui_->useAutoSave_->isChecked() || !showFileDlg_ || !showFileDlg_->isChecked())
        return;
    if (askOkCancel(
                tr("If you enable \"Use auto save\" option\n\"Show file browser after capture\" "
                   "will be disabled.")))
        showFileDlg_->setChecked(false);
    else
        ui_->useAutoSave_->setChecked(false);
}

void ImagePreferencesWidget::onStateChangedUseAutoSave(int state)
{
    const bool autoSave = state != Qt::Unchecked;
    ui_->savePathLabel_->setEnabled(autoSave);
    ui_->savePath_->setEnabled(autoSave);
    ui_->browseSavePath_->setEnabled(autoSave);
}

void ImagePreferencesWidget::onClickSetFileNameFormat()
{
    if (!fileNameFormatEditor_)
        return;
    int type = fileNameType_;
    QString format = fileNameTemplate_;
    if (!fileNameFormatEditor_(this, type, format))
        return;
    fileNameType_ = type;
    fileNameTemplate_ = format;
}

void ImagePreferencesWidget::onClickBrowseSavePath()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("browse folder"), QString(),
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        ui_->savePath_->setText(QDir::toNativeSeparators(folder));
}

void ImagePreferencesWidget::onClickBrowseEditTool()
{
    QString file = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                tr("execute file (*.exe);;batch file (*.bat)"));
    const QFileInfo info(file);
    if (info.isSymLink())
        file = info.canonicalFilePath();
    if (!file.isEmpty())
        ui_->editTool_->setText(QDir::toNativeSeparators(file));
}

int ImagePreferencesWidget::presetCells() const
{
    return ui_->presets_->rowCount() * ui_->presets_->columnCount();
}

// Presets fill the table column by column; each cell keeps its preset's index.
void ImagePreferencesWidget::showPresets()
{
    QTableWidget *table = ui_->presets_;
    table->clearContents();
    const int rows = table->rowCount();
    for (int i = 0; i < presets_.size() && i < presetCells(); ++i) {
        auto *item = new QTableWidgetItem(
                tr("%0 x %1").arg(presets_[i].width()).arg(presets_[i].height()));
        item->setData(Qt::UserRole, i);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(i % rows, i / rows, item);
    }
    table->clearSelection();
    ui_->addPreset_->setEnabled(presets_.size() < presetCells());
    onTableItemSelectionChanged();
}

int ImagePreferencesWidget::selectedPreset() const
{
    const QList<QTableWidgetItem *> selected = ui_->presets_->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(Qt::UserRole).toInt();
}

void ImagePreferencesWidget::onTableItemSelectionChanged()
{
    const bool selected = selectedPreset() >= 0;
    ui_->editPreset_->setEnabled(selected);
    ui_->deletePreset_->setEnabled(selected);
}

void ImagePreferencesWidget::onClickAddPreset()
{
    if (presets_.size() >= presetCells())
        return;
    SizeInputDialog dialog(this);
    dialog.setWindowTitle(tr("Add fixed preset"));
    dialog.setSize(0, 0);
    dialog.setExistingSizes(presets_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    presets_.append(dialog.size());
    showPresets();
}

void ImagePreferencesWidget::onClickEditPreset()
{
    const int index = selectedPreset();
    if (index < 0 || index >= presets_.size())
        return;
    // The preset may keep its own size; only the others count as duplicates.
    QList<QSize> others = presets_;
    others.removeAt(index);
    SizeInputDialog dialog(this);
    dialog.setWindowTitle(tr("Edit fixed preset"));
    dialog.setSize(presets_[index]);
    dialog.setExistingSizes(others);
    if (dialog.exec() != QDialog::Accepted)
        return;
    presets_[index] = dialog.size();
    showPresets();
}

void ImagePreferencesWidget::onClickDeletePreset()
{
    const int index = selectedPreset();
    if (index < 0 || index >= presets_.size())
        return;
    presets_.removeAt(index);
    showPresets();
}

#include "history/ConfirmSaveDialog.h"

#include "output/FileNameFormatSettingDialog.h"
#include "output/FileNameUtil.h"
#include "output/SaveSettings.h"
#include "preferences/KestrelPreferences.h"
#include "ui_ConfirmSaveDialog.h"

#include <QFileDialog>
#include <QPointer>

ConfirmSaveDialog::ConfirmSaveDialog(KestrelPreferences *preferences, int mode, QWidget *parent)
    : QDialog(parent), ui_(new Ui::ConfirmSaveDialog), preferences_(preferences)
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const auto buttons = findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        button->setCursor(Qt::PointingHandCursor);
    ui_->quality_->setCursor(Qt::PointingHandCursor);

    if (mode == All) {
        setWindowTitle(tr("Confirm Save All Images"));
        ui_->saveText_->setText(tr("Save all images in history"));
        ui_->saveText2_->setText(tr("When you save all, save all images to new file name"));
    } else {
        setWindowTitle(tr("Confirm Save Selected Images"));
        ui_->saveText_->setText(tr("Save selected images in history"));
        ui_->saveText2_->setText(tr("When you save images, save selected images to new file name"));
    }
    ui_->saveText3_->setText(tr("When you save, save file with number at tail"));

    if (preferences_) {
        nameType_ = preferences_->getInt(KestrelPreferences::FileNameType, FileNameUtil::DateTime);
        nameTemplate_ = preferences_->getString(KestrelPreferences::FileNameTemplate, QString());
        // An unknown stored format shows (and on "save" stores) PNG rather than nothing.
        const int format = preferences_->getInt(KestrelPreferences::FileFormat, 0);
        ui_->format_->setCurrentIndex(format >= 0 && format < ui_->format_->count() ? format : 0);
        ui_->savePath_->setText(SaveSettings::saveFolder(*preferences_));
        ui_->quality_->setValue(SaveSettings::jpgQuality(*preferences_));
    }
    showFileName();
    onFormatTextChanged(ui_->format_->currentText());

    connect(ui_->format_, &QComboBox::currentTextChanged, this,
            &ConfirmSaveDialog::onFormatTextChanged);
    connect(ui_->setFileNameFormat_, &QPushButton::clicked, this,
            &ConfirmSaveDialog::onClickSetFileNameFormat);
    connect(ui_->browse_, &QPushButton::clicked, this, &ConfirmSaveDialog::onClickBrowse);
    connect(ui_->ok_, &QPushButton::clicked, this, &ConfirmSaveDialog::onOK);
    connect(ui_->cancel_, &QPushButton::clicked, this, &ConfirmSaveDialog::onCancel);
}

ConfirmSaveDialog::~ConfirmSaveDialog() = default;

void ConfirmSaveDialog::onClickSetFileNameFormat()
{
    // On the heap: this dialog may be closed and destroyed while the inner one runs.
    QPointer<FileNameFormatSettingDialog> dialog =
            new FileNameFormatSettingDialog(nameType_, nameTemplate_, this);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return;
    if (accepted) {
        nameType_ = dialog->type();
        nameTemplate_ = dialog->format();
        showFileName();
    }
    delete dialog;
}

void ConfirmSaveDialog::onClickBrowse()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("browse folder"), QString(),
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        ui_->savePath_->setText(folder);
}

void ConfirmSaveDialog::onOK()
{
    if (preferences_) {
        preferences_->setInt(KestrelPreferences::FileNameType, nameType_);
        preferences_->setString(KestrelPreferences::FileNameTemplate, nameTemplate_);
        preferences_->setInt(KestrelPreferences::FileFormat, ui_->format_->currentIndex());
        preferences_->setString(KestrelPreferences::FilePath, ui_->savePath_->text());
        preferences_->setString(KestrelPreferences::JpgQuality, ui_->quality_->text());
    }
    accept();
}

void ConfirmSaveDialog::onCancel()
{
    reject();
}

void ConfirmSaveDialog::onFormatTextChanged(const QString &text)
{
    ui_->quality_->setEnabled(text.compare(QLatin1String("JPG"), Qt::CaseInsensitive) == 0);
}

void ConfirmSaveDialog::showFileName()
{
    const int legacy = FileNameUtil::legacyFormatFor(nameType_, nameTemplate_);
    ui_->fileName_->setText(legacy >= 0 ? FileNameUtil::legacyFormats().value(legacy).displayText
                                        : nameTemplate_);
}

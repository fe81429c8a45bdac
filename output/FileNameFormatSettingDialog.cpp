#include "output/FileNameFormatSettingDialog.h"

#include "output/FileNameUtil.h"
#include "ui_FileNameFormatSettingDialog.h"

FileNameFormatSettingDialog::FileNameFormatSettingDialog(int type, const QString &format,
                                                         QWidget *parent)
    : QDialog(parent), ui_(new Ui::FileNameFormatSettingDialog)
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (QAbstractButton *button :
         {static_cast<QAbstractButton *>(ui_->ok_), static_cast<QAbstractButton *>(ui_->cancel_),
          static_cast<QAbstractButton *>(ui_->radioLegacy_),
          static_cast<QAbstractButton *>(ui_->radioCustom_)})
        button->setCursor(Qt::PointingHandCursor);

    const QVector<FileNameUtil::LegacyFormat> formats = FileNameUtil::legacyFormats();
    for (const FileNameUtil::LegacyFormat &legacy : formats)
        ui_->legacyFormats_->addItem(legacy.displayText);

    const int legacy = FileNameUtil::legacyFormatFor(type, format);
    if (legacy >= 0) {
        ui_->legacyFormats_->setCurrentIndex(legacy);
        ui_->radioLegacy_->setChecked(true);
    } else {
        ui_->userFormat_->setText(format);
        ui_->radioCustom_->setChecked(true);
    }
    onRadioToggled();

    connect(ui_->radioLegacy_, &QRadioButton::toggled, this,
            &FileNameFormatSettingDialog::onRadioToggled);
    connect(ui_->ok_, &QPushButton::clicked, this, &FileNameFormatSettingDialog::onOK);
    connect(ui_->cancel_, &QPushButton::clicked, this, &FileNameFormatSettingDialog::onCancel);
}

FileNameFormatSettingDialog::~FileNameFormatSettingDialog() = default;

int FileNameFormatSettingDialog::type() const
{
    if (!ui_->radioLegacy_->isChecked())
        return FileNameUtil::CustomText;
    return FileNameUtil::legacyFormats().value(ui_->legacyFormats_->currentIndex()).type;
}

QString FileNameFormatSettingDialog::displayText() const
{
    return ui_->radioLegacy_->isChecked() ? ui_->legacyFormats_->currentText()
                                          : ui_->userFormat_->text();
}

QString FileNameFormatSettingDialog::format() const
{
    if (!ui_->radioLegacy_->isChecked())
        return ui_->userFormat_->text();
    return FileNameUtil::legacyFormats().value(ui_->legacyFormats_->currentIndex()).format;
}

void FileNameFormatSettingDialog::onRadioToggled()
{
    const bool legacy = ui_->radioLegacy_->isChecked();
    ui_->legacyFormats_->setEnabled(legacy);
    ui_->userFormat_->setEnabled(!legacy);
}

void FileNameFormatSettingDialog::onOK()
{
    accept();
}

void FileNameFormatSettingDialog::onCancel()
{
    reject();
}

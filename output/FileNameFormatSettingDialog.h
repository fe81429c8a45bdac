#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class FileNameFormatSettingDialog;
}

// Lets the user pick one of the ready-made name formats or write a template of their own.
// The caller stores type() in "FileNameType" and format() in "FileNameTamplate".
class FileNameFormatSettingDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(FileNameFormatSettingDialog)

public:
    FileNameFormatSettingDialog(int type, const QString &format, QWidget *parent = nullptr);
    ~FileNameFormatSettingDialog() override;

    // The chosen ready-made format, or type 0 with the user's text as format.
    int type() const;
    QString displayText() const;
    QString format() const;

public slots:
    void onRadioToggled();
    void onOK();
    void onCancel();

private:
    const std::unique_ptr<Ui::FileNameFormatSettingDialog> ui_;
};

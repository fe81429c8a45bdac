#pragma once

#include <QDialog>
#include <memory>

class KestrelPreferences;

namespace Ui {
class ConfirmSaveDialog;
}

// Asked before the checked or all captures are saved at once: shows and lets the user change
// the name format, image format, JPG quality and folder, which "save" stores in the
// preferences before the dialog is accepted.
class ConfirmSaveDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfirmSaveDialog)

public:
    enum Mode { Selected = 0, All = 1 };

    ConfirmSaveDialog(KestrelPreferences *preferences, int mode, QWidget *parent = nullptr);
    ~ConfirmSaveDialog() override;

public slots:
    void onClickSetFileNameFormat();
    void onClickBrowse();
    void onOK();
    void onCancel();
    void onFormatTextChanged(const QString &text);

private:
    void showFileName();

    const std::unique_ptr<Ui::ConfirmSaveDialog> ui_;
    KestrelPreferences *const preferences_;
    int nameType_ = 0;
    QString nameTemplate_;
};

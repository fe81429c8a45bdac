#pragma once

#include <QDialog>
#include <memory>

class ClickableLabel;
class QLabel;

namespace Ui {
class AboutDialog;
}

// The program's picture with its version and a link to the maker's product family on one
// tab, the licence on the other. Both files are read from the program's folder; when one is
// missing or unreadable, the copy built into the program is shown instead.
class AboutDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(AboutDialog)

public:
    static const QString kPictureFile; // "about_Kestrel_3_kr.bmp"
    static const QString kLicenseFile; // "License.txt"

    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    // The version shown: the application's, else the one this program was built as.
    static QString versionText();

public slots:
    void onUrlClicked();
    void onUrlHover();
    void onUrlLeaved();

private:
    QSize showPicture();
    void showLicense();

    const std::unique_ptr<Ui::AboutDialog> ui_;
    QLabel *version_ = nullptr;
    ClickableLabel *link_ = nullptr;
};

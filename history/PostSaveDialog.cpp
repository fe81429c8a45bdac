#include "history/PostSaveDialog.h"

#include "preferences/KestrelPreferences.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

// fromLocalFile, not a guess from user input: a saved path is always a local file, and a
// name with "#" or surrounding spaces must reach the file manager as it is.
void openLocal(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

PostSaveDialog::PostSaveDialog(int mode, QWidget *parent) : MessageBox(parent), mode_(mode)
{
    setIcon(Success);
    setText(tr("Saved captured image."));
    QPushButton *openImage = addButton(tr("Open Image(&V)"), QDialogButtonBox::AcceptRole);
    QPushButton *openFolder = addButton(tr("Open Folder(&O)"), QDialogButtonBox::NoRole);
    // Plain: the message box shows it in the program's wording.
    QPushButton *close = addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    answers_ = {{openImage, ShowImage}, {openFolder, ShowFolder}, {close, Dismiss}};
    setDefaultButton(openImage);
    setCheckBox(new QCheckBox(tr("Skip"), this));
    connect(openImage, &QPushButton::clicked, this, &PostSaveDialog::onClickOpenImage);
    connect(openFolder, &QPushButton::clicked, this, &PostSaveDialog::onClickOpenFolder);
}

PostSaveDialog::~PostSaveDialog() = default;

void PostSaveDialog::setPath(const QString &path)
{
    path_ = QFileInfo(path).absoluteFilePath();
    setInformativeText(mode_ == Several ? QFileInfo(path_).absolutePath() : path_);
}

void PostSaveDialog::setCount(int count)
{
    if (mode_ == Several)
        setText(tr("Saved captured %0 images.").arg(count));
}

bool PostSaveDialog::isSkipChecked() const
{
    return checkBox() && checkBox()->isChecked();
}

int PostSaveDialog::present(KestrelPreferences &preferences, int mode, const QString &path,
                            int count, QWidget *parent)
{
    const int slot = mode == Several ? KestrelPreferences::ShowPostSaveAllDlg
                                     : KestrelPreferences::ShowPostSaveDlg;
    if (!preferences.getBool(slot, true))
        return ClosedWithoutAnswer;
    // On the heap and watched: the parent may be destroyed while the dialog runs.
    QPointer<PostSaveDialog> dialog = new PostSaveDialog(mode, parent);
    dialog->setPath(path);
    dialog->setCount(count);
    const int answer = dialog->exec();
    if (!dialog)
        return ClosedWithoutAnswer;
    preferences.setBool(slot, !dialog->isSkipChecked());
    delete dialog;
    return answer;
}

void PostSaveDialog::onClickOpenImage()
{
    if (!path_.isEmpty())
        openLocal(path_);
}

void PostSaveDialog::onClickOpenFolder()
{
    if (!path_.isEmpty())
        openLocal(QFileInfo(path_).absolutePath());
}

// The result names the button, not the accept or reject the button box turns it into.
void PostSaveDialog::done(int)
{
    QDialog::done(answers_.value(clickedButton(), ClosedWithoutAnswer));
}

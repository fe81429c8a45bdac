#pragma once

#include "widgets/MessageBox.h"

#include <QHash>

class KestrelPreferences;

// Tells the user where a save went and offers to open the image or its folder.
class PostSaveDialog : public MessageBox
{
    Q_OBJECT
    Q_DISABLE_COPY(PostSaveDialog)

public:
    enum Mode { Single = 0, Several = 2 };
    // The dialog's result.
    enum Answer { ShowImage = 0, ShowFolder = 1, Dismiss = 2, ClosedWithoutAnswer = 3 };

    explicit PostSaveDialog(int mode, QWidget *parent = nullptr);
    ~PostSaveDialog() override;

    // The saved file (the first one of several); shown as it is, or its folder for several.
    void setPath(const QString &path);
    QString path() const { return path_; }
    // How many files were saved; only the dialog for several shows it.
    void setCount(int count);
    bool isSkipChecked() const;

    // Runs the dialog unless it is switched off ("ShowPostSaveDlg" after one save,
    // "ShowPostSaveAllDlg" after several); afterwards it stays on unless "Skip" was
    // checked. The result is the dialog's, or ClosedWithoutAnswer when it did not run.
    static int present(KestrelPreferences &preferences, int mode, const QString &path,
                       int count = 1, QWidget *parent = nullptr);

public slots:
    void onClickOpenImage();
    void onClickOpenFolder();

protected:
    void done(int result) override;

private:
    const int mode_;
    QString path_;
    QHash<QAbstractButton *, int> answers_;
};

#pragma once

#include "widgets/MessageBox.h"

#include <QHash>

class KestrelPreferences;

// Asked before one, the checked or all captures leave the history. A single unsaved capture
// may also be saved first.
class ConfirmDeleteDialog : public MessageBox
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfirmDeleteDialog)

public:
    enum Mode { Single = 0, Selected = 1, All = 2 };
    // The dialog's result.
    enum Answer { SaveThenDelete = 0, Delete = 1, Keep = 2, ClosedWithoutAnswer = 3 };

    explicit ConfirmDeleteDialog(int mode, QWidget *parent = nullptr);
    ~ConfirmDeleteDialog() override;

    bool isSkipChecked() const;

    // Asks unless the question of this mode is switched off ("NotifyDeleteHistory" for one
    // capture, "NotifyDeleteAllHistory" for several), which answers Delete; afterwards the
    // question stays on unless "Skip" was checked.
    static int confirm(KestrelPreferences &preferences, int mode, QWidget *parent = nullptr);

protected:
    void done(int result) override;

private:
    QHash<QAbstractButton *, int> answers_;
};

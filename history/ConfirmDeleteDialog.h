#pragma once

#include "widgets/MessageBox.h"

class KestrelPreferences;
class QPushButton;

// Asks before captures leave the history: one capture, the checked ones or all of them.
// The dialog's result is the answer.
class ConfirmDeleteDialog : public MessageBox
{
    Q_OBJECT
    Q_DISABLE_COPY(ConfirmDeleteDialog)

public:
    enum Mode { Single = 0, Selected = 1, All = 2 };
    enum Answer { DeleteAfterSave = 0, Delete = 1, Keep = 2, Closed = 3 };

    explicit ConfirmDeleteDialog(Mode mode, QWidget *parent = nullptr);

    bool isSkipChecked() const;

    // Asks unless the question of this mode is switched off ("NotifyDeleteHistory" for one
    // capture, "NotifyDeleteAllHistory" for several), which answers Delete; afterwards the
    // question stays on unless "Skip" was checked.
    static int confirm(KestrelPreferences &preferences, Mode mode, QWidget *parent = nullptr);

public slots:
    void done(int result) override;

private:
    QPushButton *const yes_;
    QPushButton *discardAfterSave_ = nullptr;
    QPushButton *const no_;
};

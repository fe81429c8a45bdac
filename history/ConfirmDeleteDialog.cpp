#include "history/ConfirmDeleteDialog.h"

#include "preferences/KestrelPreferences.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>

ConfirmDeleteDialog::ConfirmDeleteDialog(Mode mode, QWidget *parent)
    : MessageBox(Question, QString(), QString(), NoButton, parent),
      // The plain texts are the keys under which the message box shows its own wording.
      yes_(addButton(QStringLiteral("&Yes"), QDialogButtonBox::AcceptRole)),
      discardAfterSave_(mode == Single
                                ? addButton(tr("Discard after save"), QDialogButtonBox::NoRole)
                                : nullptr),
      no_(addButton(QStringLiteral("&No"), QDialogButtonBox::NoRole))
{
    switch (mode) {
    case Single:
        setText(tr("Would you delete image?"));
        setInformativeText(tr("Cannot be recovered image has been deleted."));
        break;
    case Selected:
        setText(tr("Would you delete selected images?"));
        setInformativeText(tr("It will erase selected images."));
        break;
    case All:
        setText(tr("Would you clear history?"));
        setInformativeText(tr("It will erase all captured images."));
        break;
    }
    setCheckBox(new QCheckBox(tr("Skip"), this));
}

bool ConfirmDeleteDialog::isSkipChecked() const
{
    return checkBox() && checkBox()->isChecked();
}

int ConfirmDeleteDialog::confirm(KestrelPreferences &preferences, Mode mode, QWidget *parent)
{
    const int slot = mode == Single ? KestrelPreferences::NotifyDeleteHistory
                                    : KestrelPreferences::NotifyDeleteAllHistory;
    if (!preferences.getBool(slot, true))
        return Delete;
    // On the heap and watched: the parent may be destroyed while the question runs.
    QPointer<ConfirmDeleteDialog> dialog = new ConfirmDeleteDialog(mode, parent);
    const int answer = dialog->exec();
    if (!dialog)
        return Closed;
    preferences.setBool(slot, !dialog->isSkipChecked());
    delete dialog;
    return answer;
}

void ConfirmDeleteDialog::done(int)
{
    const QAbstractButton *clicked = clickedButton();
    Answer answer = Closed;
    if (clicked && clicked == yes_)
        answer = Delete;
    else if (clicked && clicked == discardAfterSave_)
        answer = DeleteAfterSave;
    else if (clicked && clicked == no_)
        answer = Keep;
    MessageBox::done(answer);
}

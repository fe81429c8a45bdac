#include "history/ConfirmDeleteDialog.h"

#include "preferences/KestrelPreferences.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>

ConfirmDeleteDialog::ConfirmDeleteDialog(int mode, QWidget *parent) : MessageBox(parent)
{
    setIcon(Question);
    switch (mode) {
    case Single:
        setText(tr("Would you delete image?"));
        setInformativeText(tr("Cannot be recovered image has been deleted."));
        break;
    case Selected:
        setText(tr("Would you delete selected images?"));
        setInformativeText(tr("It will erase selected images."));
        break;
    default:
        setText(tr("Would you clear history?"));
        setInformativeText(tr("It will erase all captured images."));
        break;
    }
    // "&Yes" and "&No" stay plain: the message box shows them in the program's wording.
    answers_.insert(addButton(QStringLiteral("&Yes"), QDialogButtonBox::AcceptRole), Delete);
    if (mode == Single)
        answers_.insert(addButton(tr("Discard after save"), QDialogButtonBox::NoRole),
                        SaveThenDelete);
    answers_.insert(addButton(QStringLiteral("&No"), QDialogButtonBox::NoRole), Keep);
    setCheckBox(new QCheckBox(tr("Skip"), this));
}

ConfirmDeleteDialog::~ConfirmDeleteDialog() = default;

bool ConfirmDeleteDialog::isSkipChecked() const
{
    return checkBox() && checkBox()->isChecked();
}

int ConfirmDeleteDialog::confirm(KestrelPreferences &preferences, int mode, QWidget *parent)
{
    const int slot = mode == Single ? KestrelPreferences::NotifyDeleteHistory
                                    : KestrelPreferences::NotifyDeleteAllHistory;
    if (!preferences.getBool(slot, true))
        return Delete;
    // On the heap and watched: the parent may be destroyed while the question runs.
    QPointer<ConfirmDeleteDialog> dialog = new ConfirmDeleteDialog(mode, parent);
    const int answer = dialog->exec();
    if (!dialog)
        return ClosedWithoutAnswer;
    preferences.setBool(slot, !dialog->isSkipChecked());
    delete dialog;
    return answer;
}

// Every way of closing ends here; the result names the button, not the accept or reject
// that the button box turns it into.
void ConfirmDeleteDialog::done(int)
{
    QDialog::done(answers_.value(clickedButton(), ClosedWithoutAnswer));
}

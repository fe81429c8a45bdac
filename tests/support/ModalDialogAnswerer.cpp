#include "support/ModalDialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kPollIntervalMs = 10;

// Dialogs already taken by an answerer, so the next answerer waits for the next dialog.
QList<QPointer<QWidget>> claimedDialogs;
// Bumped by disarmAll(): polls of an older generation stop.
int currentGeneration = 0;

QString withoutMnemonics(QString text)
{
    return text.remove(QLatin1Char('&'));
}

void noteWhatWasShown(QWidget *dialog, ModalDialogAnswerer::Seen &seen)
{
    seen.className = QString::fromLatin1(dialog->metaObject()->className());
    seen.title = dialog->windowTitle();
    const auto labels = dialog->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->isVisible() && !label->text().isEmpty())
            seen.labels << label->text();
        if (label->objectName() == QLatin1String("icon_"))
            seen.icon = label->property("icon");
    }
}

void clickNamed(QWidget *dialog, const QString &nameOrText)
{
    const auto buttons = dialog->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        const bool named = button->objectName() == nameOrText
                || withoutMnemonics(button->text()) == withoutMnemonics(nameOrText);
        if (named && button->isVisible()) {
            button->click();
            return;
        }
    }
    // Closed rather than left open, so the test fails instead of hanging.
    qWarning("ModalDialogAnswerer: no button \"%s\"", qPrintable(nameOrText));
    dialog->close();
}

struct Pending
{
    QPointer<QWidget> before;
    QDeadlineTimer deadline;
    ModalDialogAnswerer::Action action;
    std::shared_ptr<ModalDialogAnswerer::Seen> seen;
    int generation;
};

void poll(const Pending &pending)
{
    if (pending.generation != currentGeneration)
        return;
    QWidget *dialog = QApplication::activeModalWidget();
    claimedDialogs.removeAll(QPointer<QWidget>());
    if (dialog && dialog != pending.before.data() && !claimedDialogs.contains(dialog)) {
        claimedDialogs.append(dialog);
        noteWhatWasShown(dialog, *pending.seen);
        pending.seen->answered = true;
        pending.action(dialog);
        return;
    }
    if (pending.deadline.hasExpired())
        return;
    QTimer::singleShot(kPollIntervalMs, qApp, [pending] { poll(pending); });
}

} // namespace

std::shared_ptr<ModalDialogAnswerer::Seen> ModalDialogAnswerer::answer(Action action, int timeoutMs)
{
    // A dialog that is already up when the answerer is armed is not the one to answer.
    const Pending pending {QApplication::activeModalWidget(), QDeadlineTimer(timeoutMs),
                           std::move(action), std::make_shared<Seen>(), currentGeneration};
    QTimer::singleShot(0, qApp, [pending] { poll(pending); });
    return pending.seen;
}

std::shared_ptr<ModalDialogAnswerer::Seen>
ModalDialogAnswerer::clickButton(const QString &nameOrText, int timeoutMs)
{
    return answer([nameOrText](QWidget *dialog) { clickNamed(dialog, nameOrText); }, timeoutMs);
}

std::shared_ptr<ModalDialogAnswerer::Seen>
ModalDialogAnswerer::tickAndClick(bool tick, const QString &nameOrText, Action before)
{
    return answer([=](QWidget *dialog) {
        if (before)
            before(dialog);
        if (auto *box = dialog->findChild<QCheckBox *>())
            box->setChecked(tick);
        if (nameOrText.isEmpty())
            dialog->close();
        else
            clickNamed(dialog, nameOrText);
    });
}

std::shared_ptr<ModalDialogAnswerer::Seen>
ModalDialogAnswerer::clickStandardButton(QDialogButtonBox::StandardButton which, int timeoutMs)
{
    return answer(
            [which](QWidget *dialog) {
                const auto boxes = dialog->findChildren<QDialogButtonBox *>();
                for (QDialogButtonBox *box : boxes) {
                    if (QPushButton *button = box->button(which)) {
                        button->click();
                        return;
                    }
                }
                qWarning("ModalDialogAnswerer: no standard button %d", int(which));
                dialog->close();
            },
            timeoutMs);
}

std::shared_ptr<ModalDialogAnswerer::Seen> ModalDialogAnswerer::closeWindow(int timeoutMs)
{
    return answer([](QWidget *dialog) { dialog->close(); }, timeoutMs);
}

void ModalDialogAnswerer::disarmAll()
{
    ++currentGeneration;
}

#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class QWidget;

// Answers the next modal dialog the code under test runs, so a test can drive every
// question the program asks. Arm it before the call that runs the dialog: from the event
// loop of that dialog it finds the new active modal widget, notes what it showed and then
// clicks a button or closes the window (also when the button is missing, so a test fails
// rather than hangs). Several answerers armed at once answer the following dialogs in
// arming order, each one once.
class ModalDialogAnswerer
{
public:
    // What the answered dialog showed, filled in when it is answered.
    struct Seen
    {
        bool answered = false;
        QString className;
        QString title;
        QStringList labels; // texts of the visible labels, in child order
        QVariant icon; // the "icon" property of a message box's icon label
    };
    using Action = std::function<void(QWidget *dialog)>;

    // Clicks the visible button whose object name or text (with or without its "&"
    // mnemonic markers) is nameOrText.
    static std::shared_ptr<Seen> clickButton(const QString &nameOrText, int timeoutMs = 5000);
    // Sets the dialog's check box (a "do not ask again" box) to `tick`, then clicks as
    // clickButton does, or closes the dialog when nameOrText is empty; `before` runs first.
    static std::shared_ptr<Seen> tickAndClick(bool tick, const QString &nameOrText,
                                              Action before = {});
    // Clicks a standard button of the dialog's button box.
    static std::shared_ptr<Seen> clickStandardButton(QDialogButtonBox::StandardButton button,
                                                     int timeoutMs = 5000);
    // Closes the dialog as the window's close button does.
    static std::shared_ptr<Seen> closeWindow(int timeoutMs = 5000);
    // Runs any action on the dialog (tick a box, type a value, then click).
    static std::shared_ptr<Seen> answer(Action action, int timeoutMs = 5000);

    // Stops every answerer still waiting, so it cannot answer a later test's dialog.
    static void disarmAll();
};

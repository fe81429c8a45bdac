#include "widgets/Menu.h"

#include "platform/WindowUtilities.h"

#include <QEvent>

Menu::Menu(QWidget *parent) : QMenu(parent) { }

Menu::Menu(const QList<QAction *> &actions, QWidget *parent) : QMenu(parent)
{
    addActions(actions);
}

bool Menu::event(QEvent *event)
{
    // The shadow belongs to the native window, which is made anew when the id changes.
    if (event->type() == QEvent::WinIdChange)
        EnableDropShadow(this);
    return QMenu::event(event);
}

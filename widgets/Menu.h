#pragma once

#include <QList>
#include <QMenu>

class QAction;

// A pop-up menu whose window gets the desktop's drop shadow, like the program's other
// frameless pop-ups.
class Menu : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY(Menu)

public:
    explicit Menu(QWidget *parent = nullptr);
    Menu(const QList<QAction *> &actions, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};

#pragma once

#include <QPointer>
#include <QVector>
#include <QWidget>

class Menu;

// Base of the tool option panels. A panel is shown either inside a Menu under its tool
// button (attachMenu) or on its own beside the document, and tells how it was left through
// exactly one of its three signals per showing: triggered (a choice), canceled, closed
// (dismissed by Escape or a click outside).
class Popup : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(Popup)

public:
    // The signal a hosting menu reports when it hides without the panel having spoken.
    enum CloseReason { Triggered = 0, Canceled = 1, Closed = 2 };

    explicit Popup(QWidget *parent = nullptr);

    // The menu that hosts this panel, owned by owner; the panel is owned by the menu from
    // then on. A panel lives in one menu: later calls return the same menu. The result is
    // what a tool button's setMenu and the view's context menus take.
    Menu *attachMenu(QWidget *owner);
    void setCloseReason(CloseReason reason) { closeReason_ = reason; }

signals:
    void triggered();
    void canceled();
    void closed();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // The offered value closest to value (the smaller one on a tie), so a hand-edited
    // setting outside the offer still shows a choice.
    static int nearestChoice(const QVector<int> &offered, int value);
    // Pointing-hand cursor on every button of the panel; its combo boxes bring their own.
    void prepareControls();

private:
    void reportAndHide();

    CloseReason closeReason_ = Closed;
    bool reported_ = false;
    QPointer<Menu> menu_;
};

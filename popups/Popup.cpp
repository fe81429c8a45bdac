#include "popups/Popup.h"

#include "platform/WindowUtilities.h"
#include "widgets/Menu.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidgetAction>
#include <cstdlib>

Popup::Popup(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
}

Menu *Popup::attachMenu(QWidget *owner)
{
    if (menu_)
        return menu_;
    menu_ = new Menu(owner);
    menu_->setObjectName(QStringLiteral("popupMenu"));
    auto *action = new QWidgetAction(menu_);
    action->setDefaultWidget(this);
    menu_->addAction(action);

    connect(menu_, &QMenu::aboutToShow, this, [this] { reported_ = false; });
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        if (reported_)
            return;
        switch (closeReason_) {
        case Triggered:
            emit triggered();
            break;
        case Canceled:
            emit canceled();
            break;
        case Closed:
            emit closed();
            break;
        }
    });
    connect(this, &Popup::triggered, this, &Popup::reportAndHide);
    connect(this, &Popup::canceled, this, &Popup::reportAndHide);
    connect(this, &Popup::closed, this, &Popup::reportAndHide);
    return menu_;
}

void Popup::reportAndHide()
{
    reported_ = true;
    if (menu_ && menu_->isVisible())
        menu_->hide();
}

bool Popup::event(QEvent *event)
{
    if (event->type() == QEvent::WinIdChange)
        EnableDropShadow(this);
    return QWidget::event(event);
}

void Popup::mousePressEvent(QMouseEvent *event)
{
    // A press on the panel's own background stays with the panel and never reaches the
    // hosting menu.
    if (event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton)
        return;
    QWidget::mousePressEvent(event);
}

void Popup::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A panel embedded in another one is sized by its layout.
    if (isWindow() || qobject_cast<QMenu *>(parentWidget()))
        adjustSize();
}

int Popup::nearestChoice(const QVector<int> &offered, int value)
{
    int best = offered.value(0);
    for (int choice : offered) {
        const qint64 distance = std::llabs(qint64(choice) - value);
        const qint64 bestDistance = std::llabs(qint64(best) - value);
        if (distance < bestDistance || (distance == bestDistance && choice < best))
            best = choice;
    }
    return best;
}

void Popup::prepareControls()
{
    const auto buttons = findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        button->setCursor(Qt::PointingHandCursor);
}

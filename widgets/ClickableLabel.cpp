#include "widgets/ClickableLabel.h"

#include <QEvent>

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    watchMouse();
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    watchMouse();
}

void ClickableLabel::watchMouse()
{
    installEventFilter(this);
    setAttribute(Qt::WA_Hover);
}

// The events go on to the label: its owner may watch them too.
bool ClickableLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            emit clicked();
            break;
        case QEvent::HoverEnter:
            setCursor(Qt::PointingHandCursor);
            emit hover();
            break;
        case QEvent::HoverLeave:
            setCursor(Qt::ArrowCursor);
            emit leaved();
            break;
        default:
            break;
        }
    }
    return QLabel::eventFilter(watched, event);
}

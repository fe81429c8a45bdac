#include "widgets/ComboBox.h"

#include "platform/WindowUtilities.h"

#include <QEvent>
#include <QListView>

namespace {

constexpr int kMaxVisibleItems = 10;

} // namespace

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setCursor(Qt::PointingHandCursor);
    setMaxVisibleItems(kMaxVisibleItems);
    auto *list = new QListView(this);
    list->viewport()->setCursor(Qt::PointingHandCursor);
    setView(list);
    // The list lives in a frameless pop-up window of its own; that window wears the shadow.
    popupWindow_ = list->window();
    popupWindow_->installEventFilter(this);
}

bool ComboBox::eventFilter(QObject *watched, QEvent *event)
{
    // The shadow belongs to the native window, which is made anew when the id changes.
    if (watched == popupWindow_ && event->type() == QEvent::WinIdChange)
        EnableDropShadow(popupWindow_);
    return QComboBox::eventFilter(watched, event);
}

#include "history/HistoryListWidgetItem.h"

#include <QVariant>

HistoryListWidgetItem::HistoryListWidgetItem(const History &history)
    : QListWidgetItem(nullptr, Type)
{
    setData(Qt::UserRole, QVariant::fromValue(history));
}

History HistoryListWidgetItem::history() const
{
    return data(Qt::UserRole).value<History>();
}

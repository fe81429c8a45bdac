#pragma once

#include "history/History.h"

#include <QListWidgetItem>

class Editor;

// One row of the history strip. Its only data is the History value under Qt::UserRole.
class HistoryListWidgetItem : public QListWidgetItem
{
public:
    enum { Type = QListWidgetItem::UserType + 1 };

    explicit HistoryListWidgetItem(const History &history);

    History history() const;
    // The row's document, or null once it is gone.
    Editor *editor() const { return history().editor(); }
};

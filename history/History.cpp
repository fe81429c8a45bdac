#include "history/History.h"

#include "editor/Editor.h"

History::History(Editor *editor) : editor_(editor) { }

Editor *History::editor() const
{
    return editor_.data();
}

void History::registerMetaType()
{
    qRegisterMetaType<History>("History");
}

#include "editor/UndoLists.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QSet>

#include <utility>

// Emits the change signals on leaving a change, for what really changed.
class UndoLists::ChangeNotice
{
public:
    explicit ChangeNotice(UndoLists &lists)
        : lists_(lists), couldUndo_(lists.canUndo()), couldRedo_(lists.canRedo())
    { }
    ~ChangeNotice()
    {
        if (lists_.canUndo() != couldUndo_)
            emit lists_.canUndoChanged(!couldUndo_);
        if (lists_.canRedo() != couldRedo_)
            emit lists_.canRedoChanged(!couldRedo_);
    }
    Q_DISABLE_COPY(ChangeNotice)

private:
    UndoLists &lists_;
    const bool couldUndo_;
    const bool couldRedo_;
};

UndoLists::UndoLists(QGraphicsScene &scene) : scene_(scene) { }

UndoLists::~UndoLists()
{
    QSet<QGraphicsItem *> kept;
    for (QGraphicsItem *item : undoList_ + redoList_) {
        if (item->scene() != &scene_)
            kept.insert(item);
    }
    undoList_.clear();
    redoList_.clear();
    qDeleteAll(kept);
}

bool UndoLists::refersTo(const QGraphicsItem *item) const
{
    return undoList_.contains(const_cast<QGraphicsItem *>(item))
            || redoList_.contains(const_cast<QGraphicsItem *>(item));
}

void UndoLists::append(QGraphicsItem *item)
{
    ChangeNotice notice(*this);
    undoList_.append(item);
}

void UndoLists::commit(QGraphicsItem *item)
{
    ChangeNotice notice(*this);
    undoList_.append(item);
    const QList<QGraphicsItem *> dropped = std::exchange(redoList_, {});
    for (QGraphicsItem *unique : QSet<QGraphicsItem *>(dropped.cbegin(), dropped.cend()))
        release(unique);
}

void UndoLists::removeOne(QGraphicsItem *item)
{
    ChangeNotice notice(*this);
    undoList_.removeOne(item);
}

bool UndoLists::undo()
{
    if (undoList_.isEmpty())
        return false;
    ChangeNotice notice(*this);
    QGraphicsItem *item = undoList_.takeLast();
    redoList_.append(item);
    toggle(item);
    return true;
}

bool UndoLists::redo()
{
    if (redoList_.isEmpty())
        return false;
    ChangeNotice notice(*this);
    QGraphicsItem *item = redoList_.takeLast();
    undoList_.append(item);
    toggle(item);
    return true;
}

void UndoLists::toggle(QGraphicsItem *item)
{
    if (item->scene() == &scene_)
        scene_.removeItem(item);
    else
        scene_.addItem(item);
}

void UndoLists::release(QGraphicsItem *item, bool deferred)
{
    if (!item || item->scene() == &scene_ || refersTo(item))
        return;
    QObject *object = dynamic_cast<QObject *>(item);
    if (deferred && object)
        object->deleteLater();
    else
        delete item;
}

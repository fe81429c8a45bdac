#pragma once

#include <QList>
#include <QObject>

class QGraphicsItem;
class QGraphicsScene;

// The undo and redo lists of a document, oldest entry first. An entry is nothing but an
// item: undoing or redoing it toggles the item's membership of the scene, so an entry whose
// item is in the scene stands for an added item and one whose item is out stands for an
// erased item. The same item may stand in the lists several times (drawn, then erased).
//
// Ownership: an item in the scene belongs to the scene; an item out of the scene is kept
// alive by the lists that name it, and deleted once neither the scene nor a list does.
class UndoLists : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(UndoLists)

public:
    explicit UndoLists(QGraphicsScene &scene);
    // Deletes the items that only the lists keep alive.
    ~UndoLists() override;

    const QList<QGraphicsItem *> &undoList() const { return undoList_; }
    const QList<QGraphicsItem *> &redoList() const { return redoList_; }
    bool canUndo() const { return !undoList_.isEmpty(); }
    bool canRedo() const { return !redoList_.isEmpty(); }
    bool refersTo(const QGraphicsItem *item) const;

    // An erased item or an opened crop frame; the redo list stays.
    void append(QGraphicsItem *item);
    // A finished stroke or text box; the redo list is dropped.
    void commit(QGraphicsItem *item);
    // Takes the first entry of `item` out of the undo list (a cancelled crop frame).
    void removeOne(QGraphicsItem *item);
    // Moves the newest undo entry to the redo list and toggles its item; false when empty.
    bool undo();
    // Moves the newest redo entry back to the undo list and toggles its item.
    bool redo();

    // Deletes `item` when neither the scene nor a list refers to it any more; `deferred`
    // for an item that is sending the signal being handled.
    void release(QGraphicsItem *item, bool deferred = false);

signals:
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);

private:
    class ChangeNotice;

    void toggle(QGraphicsItem *item);

    QGraphicsScene &scene_;
    QList<QGraphicsItem *> undoList_;
    QList<QGraphicsItem *> redoList_;
};

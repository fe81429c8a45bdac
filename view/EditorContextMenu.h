#pragma once

#include "editor/Editor.h"
#include "widgets/Menu.h"

#include <QPointer>
#include <array>

class QAction;

// The editor view's right-click menu: one entry per tool or command, the entry of the
// current tool checked. The entries of tools with an option menu in the tool bar can be
// handed that menu, which then opens when the entry is chosen.
class EditorContextMenu : public Menu
{
    Q_OBJECT
    Q_DISABLE_COPY(EditorContextMenu)

public:
    enum Entry { Figure, Pen, Highlighter, LineWidth, Text, Crop, Mosaic, Eraser, Reset, Print };
    Q_ENUM(Entry)
    static constexpr int kEntryCount = Print + 1;

    explicit EditorContextMenu(QWidget *parent = nullptr);

    QAction *action(Entry entry) const { return actions_[entry]; }
    // Checks the entry standing for `shape`, and only that one; text being edited or just
    // committed checks nothing.
    void checkTool(Editor::ShapeType shape);
    // Lets `entry` open `menu` (owned elsewhere) after it is chosen.
    void setToolMenu(Entry entry, Menu *menu);
    Menu *toolMenu(Entry entry) const { return toolMenus_[entry]; }

signals:
    void chosen(EditorContextMenu::Entry entry);

private:
    std::array<QAction *, kEntryCount> actions_ {};
    std::array<QPointer<Menu>, kEntryCount> toolMenus_ {};
};

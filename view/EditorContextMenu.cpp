#include "view/EditorContextMenu.h"

#include <QAction>
#include <QCoreApplication>

namespace {

struct EntryRow
{
    EditorContextMenu::Entry entry;
    const char *text;
    bool checkable;
    bool separatorAfter;
};

// clang-format off
const EntryRow kEntries[] = {
    {EditorContextMenu::Figure,      QT_TRANSLATE_NOOP("EditorView", "Figure (&S)"),      true,  false},
    {EditorContextMenu::Pen,         QT_TRANSLATE_NOOP("EditorView", "Pen (&D)"),         true,  false},
    {EditorContextMenu::Highlighter, QT_TRANSLATE_NOOP("EditorView", "Highlighter (&L)"), true,  false},
    {EditorContextMenu::LineWidth,   QT_TRANSLATE_NOOP("EditorView", "Line Width (&H)"),  false, true},
    {EditorContextMenu::Text,        QT_TRANSLATE_NOOP("EditorView", "Text (&T)"),        true,  false},
    {EditorContextMenu::Crop,        QT_TRANSLATE_NOOP("EditorView", "Crop (&C)"),        true,  false},
    {EditorContextMenu::Mosaic,      QT_TRANSLATE_NOOP("EditorView", "Mosaic (&M)"),      true,  true},
    {EditorContextMenu::Eraser,      QT_TRANSLATE_NOOP("EditorView", "Eraser (&E)"),      true,  false},
    {EditorContextMenu::Reset,       QT_TRANSLATE_NOOP("EditorView", "Reset (&R)"),       false, true},
    {EditorContextMenu::Print,       QT_TRANSLATE_NOOP("EditorView", "Print (&P)"),       false, false},
};
// clang-format on

// The entry that is checked while `shape` is the tool; -1 for none.
int entryOf(Editor::ShapeType shape)
{
    switch (shape) {
    case Editor::Line:
    case Editor::Arrow:
    case Editor::Rect:
    case Editor::Circle:
    case Editor::SpeechBalloon:
        return EditorContextMenu::Figure;
    case Editor::Pen:
        return EditorContextMenu::Pen;
    case Editor::Highlighter:
        return EditorContextMenu::Highlighter;
    case Editor::Text:
        return EditorContextMenu::Text;
    case Editor::Crop:
        return EditorContextMenu::Crop;
    case Editor::Mosaic:
        return EditorContextMenu::Mosaic;
    case Editor::Eraser:
        return EditorContextMenu::Eraser;
    default:
        return -1;
    }
}

} // namespace

EditorContextMenu::EditorContextMenu(QWidget *parent) : Menu(parent)
{
    setObjectName(QStringLiteral("contextMenu_"));
    for (const EntryRow &row : kEntries) {
        QAction *action = addAction(QCoreApplication::translate("EditorView", row.text));
        action->setCheckable(row.checkable);
        const Entry entry = row.entry;
        connect(action, &QAction::triggered, this, [this, entry] { emit chosen(entry); });
        actions_[entry] = action;
        if (row.separatorAfter)
            addSeparator();
    }
    // Until the tool bar hands over the line-width menu, that entry has nothing to open.
    actions_[LineWidth]->setEnabled(false);
}

void EditorContextMenu::checkTool(Editor::ShapeType shape)
{
    const int checked = entryOf(shape);
    for (int entry = 0; entry < kEntryCount; ++entry) {
        if (actions_[entry]->isCheckable())
            actions_[entry]->setChecked(entry == checked);
    }
}

void EditorContextMenu::setToolMenu(Entry entry, Menu *menu)
{
    toolMenus_[entry] = menu;
    if (entry == LineWidth)
        actions_[LineWidth]->setEnabled(menu != nullptr);
}

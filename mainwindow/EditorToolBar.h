#pragma once

#include "editor/Editor.h"
#include "view/EditorContextMenu.h"

#include <QObject>
#include <array>

class ColorSelectPopup;
class FigurePopup;
class KestrelEditor;
class KestrelPreferences;
class LinePopup;
class Menu;
class MosaicPopup;
class Popup;
class QAction;
class QButtonGroup;
class QToolBar;
class EditorView;
class ToolButton;

// The main window's tool bar: its buttons, the two drop-down menus and the tool popups
// under the tool buttons, built from tables and wired to the window's slots. It also
// keeps the buttons' enabled and checked states.
class EditorToolBar : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(EditorToolBar)

public:
    // The buttons, left to right.
    enum Button {
        Capture,
        Save,
        Copy,
        Undo,
        Redo,
        Reset,
        Figure,
        Pen,
        Highlighter,
        Line,
        Text,
        Crop,
        Mosaic,
        Eraser,
        MenuButton,
        Help,
        ButtonCount
    };

    EditorToolBar(KestrelEditor *window, QToolBar *toolbar, EditorView *view,
                  KestrelPreferences *preferences);

    ToolButton *button(Button which) const { return buttons_[which]; }
    // Every editing control follows whether a document can be edited; with one, undo,
    // redo and reset follow its lists instead.
    void setEditingEnabled(bool enabled);
    void setUndoEnabled(bool enabled);
    void setRedoEnabled(bool enabled);
    // Checks the button of the tool.
    void checkTool(Editor::ShapeType shape);

    // Makes the tool popups and hangs them under their buttons and in the view's menu;
    // later calls do nothing.
    void buildPopups();
    bool hasPopups() const { return figurePopup_ != nullptr; }
    // How wide the tool bar is with every caption shown.
    int fullWidth() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildButtons();
    void buildMenus();
    Popup *popupOf(Button which) const;
    static EditorContextMenu::Entry contextMenuEntryOf(Button which);
    void onToolMenuPress(Button which);
    void fitButtons();

    KestrelEditor *const window_;
    QToolBar *const toolbar_;
    EditorView *const view_;
    KestrelPreferences *const preferences_;
    QButtonGroup *const toolButtonGroup_;
    std::array<ToolButton *, ButtonCount> buttons_ {};
    // The width with every caption, measured when the buttons last dropped them.
    int fullWidth_ = 0;
    Menu *menu_ = nullptr;
    Menu *help_ = nullptr;
    QAction *saveAsAction_ = nullptr;
    QAction *printAction_ = nullptr;
    FigurePopup *figurePopup_ = nullptr;
    ColorSelectPopup *penPopup_ = nullptr;
    ColorSelectPopup *highlighterPopup_ = nullptr;
    LinePopup *linePopup_ = nullptr;
    MosaicPopup *mosaicPopup_ = nullptr;
};

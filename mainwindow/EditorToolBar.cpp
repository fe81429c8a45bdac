#include "mainwindow/EditorToolBar.h"

#include "mainwindow/KestrelEditor.h"
#include "popups/ColorPalettes.h"
#include "popups/ColorSelectPopup.h"
#include "popups/FigurePopup.h"
#include "popups/LinePopup.h"
#include "popups/MosaicPopup.h"
#include "view/EditorView.h"
#include "widgets/Menu.h"
#include "widgets/ToolButton.h"
#include "widgets/ToolDropdownButton.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

namespace {

using Slot = void (KestrelEditor::*)();

enum class Kind { Button, Dropdown, Separator };

struct ToolBarEntry
{
    EditorToolBar::Button button;
    Kind kind;
    const char *name; // object name, and the caption once translated
    const char *toolTip;
    bool inGroup;
    int shortcut;
    Slot slot; // plain buttons; a drop-down button opens its menu
};

constexpr EditorToolBar::Button kNoButton = EditorToolBar::ButtonCount;

// clang-format off
const ToolBarEntry kToolBar[] = {
    {EditorToolBar::Capture, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "capture"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Run new capture (Ctrl + N)"), false, 0, &KestrelEditor::onClickCapture},
    {kNoButton, Kind::Separator, nullptr, nullptr, false, 0, nullptr},
    {EditorToolBar::Save, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "save"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Save current image (Ctrl + S)"), false, 0, &KestrelEditor::onClickSave},
    {EditorToolBar::Copy, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "copy"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Copy current image (Ctrl + C)"), false, Qt::CTRL | Qt::Key_C, &KestrelEditor::onClickCopy},
    {EditorToolBar::Undo, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "undo"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Undo last work (Ctrl + Z)"), false, Qt::CTRL | Qt::Key_Z, &KestrelEditor::onClickUndo},
    {EditorToolBar::Redo, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "redo"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Redo last work (Ctrl + Y)"), false, Qt::CTRL | Qt::Key_Y, &KestrelEditor::onClickRedo},
    {EditorToolBar::Reset, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "reset"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Reset all works"), false, 0, &KestrelEditor::onClickReset},
    {kNoButton, Kind::Separator, nullptr, nullptr, false, 0, nullptr},
    {EditorToolBar::Figure, Kind::Dropdown, QT_TRANSLATE_NOOP("KestrelEditor", "figure"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Draw figure on current image"), true, 0, nullptr},
    {EditorToolBar::Pen, Kind::Dropdown, QT_TRANSLATE_NOOP("KestrelEditor", "pen"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Draw pen on current image"), true, 0, nullptr},
    {EditorToolBar::Highlighter, Kind::Dropdown, QT_TRANSLATE_NOOP("KestrelEditor", "highlighter"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Draw highlighter on current image"), true, 0, nullptr},
    {EditorToolBar::Line, Kind::Dropdown, QT_TRANSLATE_NOOP("KestrelEditor", "line"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Set line width for figure, pen, highlighter"), false, 0, nullptr},
    {kNoButton, Kind::Separator, nullptr, nullptr, false, 0, nullptr},
    {EditorToolBar::Text, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "text"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Add text on current image"), true, 0, &KestrelEditor::onClickText},
    {EditorToolBar::Crop, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "crop"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Crop current image"), true, 0, &KestrelEditor::onClickCrop},
    {EditorToolBar::Mosaic, Kind::Dropdown, QT_TRANSLATE_NOOP("KestrelEditor", "mosaic"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Add mosaic region of current image"), true, 0, nullptr},
    {EditorToolBar::Eraser, Kind::Button, QT_TRANSLATE_NOOP("KestrelEditor", "eraser"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Erase drawn object"), true, 0, &KestrelEditor::onClickEraser},
    {kNoButton, Kind::Separator, nullptr, nullptr, false, 0, nullptr},
    {EditorToolBar::MenuButton, Kind::Dropdown, QT_TRANSLATE_NOOP("KestrelEditor", "menu"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Click to show features, save, print, preferences, etc."), false, 0, nullptr},
    {EditorToolBar::Help, Kind::Dropdown, QT_TRANSLATE_NOOP("KestrelEditor", "help"),
     QT_TRANSLATE_NOOP("KestrelEditor", "Click to show help, about, etc."), false, 0, nullptr},
};

struct MenuEntry
{
    const char *text; // null for a separator
    int shortcut;
    Slot slot;
};

const MenuEntry kMainMenu[] = {
    {QT_TRANSLATE_NOOP("KestrelEditor", "New capture(&N)"),   Qt::CTRL | Qt::Key_N, &KestrelEditor::onClickCapture},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Save as(&S)"),       Qt::CTRL | Qt::Key_S, &KestrelEditor::onClickSave},
    {nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Print(&P)"),         Qt::CTRL | Qt::Key_P, &KestrelEditor::onClickPrint},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Online update(&U)"), 0,                    &KestrelEditor::onClickUpdate},
    {nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Preferences(&C)"),   Qt::Key_F4,           qOverload<>(&KestrelEditor::onClickPreference)},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Close(&X)"),         0,                    &KestrelEditor::onClickClose},
};

// "About(&A)" has no slot here: it opens the dialog modeless through triggered(bool).
const MenuEntry kHelpMenu[] = {
    {QT_TRANSLATE_NOOP("KestrelEditor", "Help(&H)"),              Qt::Key_F1, &KestrelEditor::onClickHelp},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Read me(&R)"),           0,          &KestrelEditor::onClickReadme},
    {nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("KestrelEditor", "FAQ(&F)"),               0,          &KestrelEditor::onClickFAQ},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Customer services(&S)"), 0,          &KestrelEditor::onClickCustomerServices},
    {nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Quiver Page(&O)"),       0,          &KestrelEditor::onClickQuiverPage},
    {QT_TRANSLATE_NOOP("KestrelEditor", "Norvane Page(&E)"),      0,          &KestrelEditor::onClickNorvanePage},
    {nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("KestrelEditor", "About(&A)"),             0,          nullptr},
};
// clang-format on

// The texts belong to the window.
QString translated(const char *text)
{
    return QCoreApplication::translate("KestrelEditor", text);
}

} // namespace

EditorToolBar::EditorToolBar(KestrelEditor *window, QToolBar *toolbar, EditorView *view,
                             KestrelPreferences *preferences)
    : QObject(window), window_(window), toolbar_(toolbar), view_(view), preferences_(preferences),
      toolButtonGroup_(new QButtonGroup(this))
{
    toolButtonGroup_->setExclusive(true);
    buildButtons();
    buildMenus();
}

void EditorToolBar::buildButtons()
{
    QToolBar *toolbar = toolbar_;
    for (const ToolBarEntry &entry : kToolBar) {
        if (entry.kind == Kind::Separator) {
            toolbar->addSeparator();
            continue;
        }
        const QString name = QString::fromLatin1(entry.name);
        ToolButton *button = entry.kind == Kind::Dropdown
                ? new ToolDropdownButton(translated(entry.name), name, toolbar)
                : new ToolButton(translated(entry.name), name, toolbar);
        button->setToolTip(translated(entry.toolTip));
        if (entry.shortcut)
            button->setShortcut(QKeySequence(entry.shortcut));
        if (entry.slot)
            connect(button, &QPushButton::clicked, window_, entry.slot);
        else if (entry.button != MenuButton && entry.button != Help)
            connect(button, &ToolButton::beforePress, this,
                    [this, which = entry.button] { onToolMenuPress(which); });
        if (entry.inGroup) {
            button->setCheckable(true);
            toolButtonGroup_->addButton(button);
        }
        buttons_[entry.button] = button;
        toolbar->addWidget(button);
    }
    // The tool bar never folds away part of itself behind a button of its own.
    if (auto *extension =
                toolbar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"))) {
        extension->setFixedSize(0, 0);
        extension->setContextMenuPolicy(Qt::PreventContextMenu);
    }
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->installEventFilter(this);
}

int EditorToolBar::fullWidth() const
{
    return buttons_[Capture]->isCompact() ? fullWidth_ : toolbar_->sizeHint().width();
}

bool EditorToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == toolbar_ && event->type() == QEvent::Resize)
        fitButtons();
    return QObject::eventFilter(watched, event);
}

// Nothing folds away the buttons that do not fit, so in a window narrower than the whole
// tool bar every button drops its caption and keeps its picture.
void EditorToolBar::fitButtons()
{
    const int full = fullWidth();
    const bool compact = toolbar_->width() < full;
    if (compact == buttons_[Capture]->isCompact())
        return;
    fullWidth_ = full;
    for (ToolButton *button : buttons_)
        button->setCompact(compact);
}

void EditorToolBar::buildMenus()
{
    const auto build = [this](Menu *menu, const char *objectName, const MenuEntry *begin,
                              const MenuEntry *end) {
        menu->setObjectName(QString::fromLatin1(objectName));
        for (const MenuEntry *entry = begin; entry != end; ++entry) {
            if (!entry->text) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(translated(entry->text));
            if (entry->shortcut)
                action->setShortcut(QKeySequence(entry->shortcut));
            if (entry->slot)
                connect(action, &QAction::triggered, window_, entry->slot);
            else
                connect(action, &QAction::triggered, window_,
                        qOverload<bool>(&KestrelEditor::onClickAbout));
            if (entry->slot == &KestrelEditor::onClickSave)
                saveAsAction_ = action;
            else if (entry->slot == &KestrelEditor::onClickPrint)
                printAction_ = action;
        }
        // A menu's shortcuts work only where the window itself holds its actions.
        window_->addActions(menu->actions());
    };
    menu_ = new Menu(window_);
    build(menu_, "menu_", std::begin(kMainMenu), std::end(kMainMenu));
    buttons_[MenuButton]->setMenu(menu_);
    help_ = new Menu(window_);
    build(help_, "help_", std::begin(kHelpMenu), std::end(kHelpMenu));
    buttons_[Help]->setMenu(help_);
}

// The popups are made once the window has painted its first capture, or when a drop-down
// button is pressed before that: the mixer of every palette costs more than the rest of the
// window.
void EditorToolBar::buildPopups()
{
    if (figurePopup_)
        return;
    figurePopup_ = new FigurePopup;
    figurePopup_->setPreferences(preferences_);

    const auto palette = [this](const QList<QColor> &colors, const QString &customPath,
                                KestrelPreferences::Slot colorSlot) {
        auto *popup = new ColorSelectPopup;
        popup->setBasicColors(colors);
        popup->setCustomColorPath(customPath, preferences_);
        popup->setColor(preferences_->getColor(colorSlot, Qt::red));
        return popup;
    };
    penPopup_ = palette(ColorPalettes::penAndText(), KestrelPreferences::kPenCustomColorPath,
                        KestrelPreferences::PenColor);
    highlighterPopup_ =
            palette(ColorPalettes::highlighter(), KestrelPreferences::kHighlighterCustomColorPath,
                    KestrelPreferences::HighlighterColor);
    linePopup_ = new LinePopup;
    linePopup_->setPreferences(preferences_);
    mosaicPopup_ = new MosaicPopup;
    mosaicPopup_->setPreferences(preferences_);

    for (Button which : {Figure, Pen, Highlighter, Line, Mosaic}) {
        Popup *popup = popupOf(which);
        Menu *menu = popup->attachMenu(window_);
        ToolButton *button = buttons_[which];
        button->setMenu(menu);
        view_->setToolMenu(contextMenuEntryOf(which), menu);
        // Any choice in the menu leaves the tool's button checked.
        if (button->isCheckable())
            connect(popup, &Popup::triggered, button, [button] { button->setChecked(true); });
    }

    connect(figurePopup_, &FigurePopup::figureSelected, window_, &KestrelEditor::onFigureSelected);
    connect(penPopup_, &ColorSelectPopup::colorSelected, window_, &KestrelEditor::onPenSelected);
    connect(highlighterPopup_, &ColorSelectPopup::colorSelected, window_,
            &KestrelEditor::onHighlighterSelected);
    connect(linePopup_, &LinePopup::lineSelected, window_, &KestrelEditor::onLineSelected);
    connect(mosaicPopup_, &MosaicPopup::mosaicSelected, window_,
            [this](MosaicPopup::Strength strength) { window_->onMosaicSelected(strength); });
}

Popup *EditorToolBar::popupOf(Button which) const
{
    switch (which) {
    case Figure:
        return figurePopup_;
    case Pen:
        return penPopup_;
    case Highlighter:
        return highlighterPopup_;
    case Line:
        return linePopup_;
    case Mosaic:
        return mosaicPopup_;
    default:
        return nullptr;
    }
}

EditorContextMenu::Entry EditorToolBar::contextMenuEntryOf(Button which)
{
    switch (which) {
    case Pen:
        return EditorContextMenu::Pen;
    case Highlighter:
        return EditorContextMenu::Highlighter;
    case Line:
        return EditorContextMenu::LineWidth;
    case Mosaic:
        return EditorContextMenu::Mosaic;
    default:
        return EditorContextMenu::Figure;
    }
}

// Pressing a tool's drop-down button picks the tool with its last settings, then its menu
// opens.
void EditorToolBar::onToolMenuPress(Button which)
{
    buildPopups();
    if (buttons_[which]->isCheckable())
        emit popupOf(which)->triggered();
}

void EditorToolBar::setEditingEnabled(bool enabled)
{
    for (Button which : {Save, Copy, Figure, Pen, Highlighter, Line, Text, Crop, Mosaic, Eraser})
        buttons_[which]->setEnabled(enabled);
    if (!enabled) {
        setUndoEnabled(false);
        setRedoEnabled(false);
    }
    saveAsAction_->setEnabled(enabled);
    printAction_->setEnabled(enabled);
}

void EditorToolBar::setUndoEnabled(bool enabled)
{
    buttons_[Undo]->setEnabled(enabled);
    buttons_[Reset]->setEnabled(enabled);
}

void EditorToolBar::setRedoEnabled(bool enabled)
{
    buttons_[Redo]->setEnabled(enabled);
}

void EditorToolBar::checkTool(Editor::ShapeType shape)
{
    Button which = Figure;
    switch (shape) {
    case Editor::Eraser:
        which = Eraser;
        break;
    case Editor::Pen:
        which = Pen;
        break;
    case Editor::Highlighter:
        which = Highlighter;
        break;
    case Editor::Mosaic:
        which = Mosaic;
        break;
    case Editor::Text:
    case Editor::TextEditing:
    case Editor::TextDone:
        which = Text;
        break;
    case Editor::Crop:
        which = Crop;
        break;
    default:
        break;
    }
    buttons_[which]->setChecked(true);
}

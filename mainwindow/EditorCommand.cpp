#include "mainwindow/EditorCommand.h"

#include <functional>

namespace {

using Apply = std::function<void(EditorCommand &, const QStringList &arguments)>;

struct CommandWord
{
    const char *word;
    int argumentCount;
    Apply apply;
};

// A token that is not a number reads as 0.
int number(const QString &token)
{
    return token.toInt(nullptr, 10);
}

// clang-format off
const CommandWord kCommandWords[] = {
    {"/close",           0, [](EditorCommand &c, const QStringList &) { c.close = true; }},
    {"/kill",            0, [](EditorCommand &c, const QStringList &) { c.kill = true; }},
    {"/path",            1, [](EditorCommand &c, const QStringList &a) { c.path = a[0]; }},
    {"/point",           2, [](EditorCommand &c, const QStringList &a) {
         c.point = QPoint(number(a[0]), number(a[1])); }},
    {"/show",            0, [](EditorCommand &c, const QStringList &) { c.show = true; }},
    {"/hide",            0, [](EditorCommand &c, const QStringList &) { c.hide = true; }},
    {"/skip",            0, [](EditorCommand &c, const QStringList &) { c.skip = true; }},
    {"/about",           0, [](EditorCommand &c, const QStringList &) { c.about = true; }},
    {"/autosave",        0, [](EditorCommand &c, const QStringList &) { c.autoSave = true; }},
    {"/preference",      1, [](EditorCommand &c, const QStringList &a) {
         c.preference = true; c.preferencePage = number(a[0]); }},
    {"/updateprefvalue", 2, [](EditorCommand &c, const QStringList &a) {
         c.updatePrefValue = true; c.prefIndex = number(a[0]); c.prefValue = number(a[1]) != 0; }},
    {"/save",            0, [](EditorCommand &c, const QStringList &) { c.save = true; }},
};
// clang-format on

const CommandWord *findWord(const QString &token)
{
    const QString word = token.toLower();
    for (const CommandWord &entry : kCommandWords) {
        if (word == QLatin1String(entry.word))
            return &entry;
    }
    return nullptr;
}

} // namespace

std::optional<EditorCommand> EditorCommand::parse(const QStringList &tokens)
{
    EditorCommand command;
    for (int i = 0; i < tokens.size(); ++i) {
        const CommandWord *entry = findWord(tokens.at(i));
        if (!entry)
            continue;
        if (i + entry->argumentCount >= tokens.size())
            return std::nullopt;
        entry->apply(command, tokens.mid(i + 1, entry->argumentCount));
        i += entry->argumentCount;
    }
    return command;
}

EditorCommand::Action EditorCommand::action() const
{
    if (close)
        return Action::Close;
    if (kill)
        return Action::Kill;
    if (show)
        return Action::Show;
    if (hide)
        return Action::Hide;
    if (preference)
        return Action::Preference;
    if (about)
        return Action::About;
    if (updatePrefValue)
        return Action::UpdatePrefValue;
    if (!path.isEmpty())
        return Action::Path;
    return Action::None;
}

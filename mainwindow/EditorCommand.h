#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

// One command line of the capture program, read into the values it sets. Command words
// are matched in any case; a word's arguments are the tokens right after it, whatever
// they look like, and a word missing its arguments voids the whole line.
struct EditorCommand
{
    // What the line does; only the first that applies, in this order, is carried out.
    enum class Action { None, Close, Kill, Show, Hide, Preference, About, UpdatePrefValue, Path };

    bool close = false;
    bool kill = false;
    bool show = false;
    bool hide = false;
    bool skip = false;
    bool about = false;
    bool autoSave = false;
    bool save = false;
    bool preference = false;
    int preferencePage = 0;
    bool updatePrefValue = false;
    int prefIndex = 0;
    bool prefValue = false;
    QString path;
    QPoint point;

    // Nothing when a command lacks its arguments.
    static std::optional<EditorCommand> parse(const QStringList &tokens);
    Action action() const;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// The text of the settings file: INI sections ("[software]") and "name=value" entries, in the
// order of the file. Keys are full paths ("software/norvane/kestrel/config/LineWidth"): the
// section, then the entry's name with "\" read as "/".
//
// Files are read and written as QSettings' INI format always wrote them (escapes, quoting,
// "%XX" in names), so a file keeps its meaning across versions, with two differences for text
// typed by hand: a comma is part of the text, never a list separator, and bytes outside ASCII
// are read as UTF-8 when they form UTF-8. An entry nobody changed is written back exactly as
// it was read.
class RegistrySettingsFile
{
public:
    static RegistrySettingsFile parse(const QByteArray &text);
    QByteArray text() const;

    // The value stored under `key`, as text; invalid when there is none.
    QVariant value(const QString &key) const;
    // Stores numbers and booleans as their text, text as it is.
    void setValue(const QString &key, const QVariant &value);
    // Removes the value `key` and everything in the group `key`; an empty key removes all.
    void remove(const QString &key);
    QStringList keys() const;

    // "a//b/" as "a/b", the form every key is kept in.
    static QString normalizedKey(const QString &key);

private:
    struct Line
    {
        bool isSection = false;
        QString section; // the section the line belongs to; empty for [General]
        QString key; // entries only
        QVariant value; // entries only
        QByteArray text; // the line as it stands in the file
    };

    static QByteArray entryText(const Line &line);
    int lastEntryOf(const QString &key) const;
    int insertionPointFor(const QString &section);

    std::vector<Line> lines_;
};

#pragma once

#include "preferences/PreferenceEntry.h"

#include <QString>
#include <QVariant>
#include <vector>

class RegistrySettings;

// An index-addressed table of typed values, each bound to a registry value name. A save
// writes only the slots that were never stored or that changed since the last load or
// save, so another program writing the same key keeps the values this one did not touch.
// Indices outside the table are ignored by setters; getters then return the caller's
// default.
class Preferences
{
    Q_DISABLE_COPY(Preferences)

public:
    Preferences() = default;
    virtual ~Preferences();

    // Replaces the table by count fresh slots; false, and nothing done, for 0.
    bool init(int count);
    bool isEmpty() const { return entries_.empty(); }
    int count() const { return static_cast<int>(entries_.size()); }

    void setKey(int index, const QString &key);
    void registerBool(int index, const QString &key, bool defaultValue);
    void registerInt(int index, const QString &key, int defaultValue);
    void registerString(int index, const QString &key, const QString &defaultValue);

    bool getBool(int index, bool defaultValue) const;
    int getInt(int index, int defaultValue) const;
    QString getString(int index, const QString &defaultValue) const;

    void setBool(int index, bool value);
    void setInt(int index, int value);
    void setString(int index, const QString &value);

    QString keyAt(int index) const;
    PreferenceType typeAt(int index) const;
    // True when the slot's value is known to equal the stored one (false out of range).
    bool isSynced(int index) const;

    // Both take the registry root ("HKEY_CURRENT_USER\") and a key path below it and
    // return the number of values read or written.
    int load(const QString &root, const QString &path);
    int save(const QString &root, const QString &path);

    // Conversions of stored values, which may have been written by another program or by
    // hand. A number is read as a 32-bit DWORD (4294967295 is -1); text that is not a
    // number reads as 0.
    static int toStoredInt(const QVariant &stored);
    static bool toStoredBool(const QVariant &stored);
    static QString toStoredString(const QVariant &stored);

private:
    bool inRange(int index) const { return index >= 0 && index < count(); }
    void assign(int index, PreferenceType type, const QVariant &value);
    static void write(RegistrySettings &settings, const PreferenceEntry &entry);

    std::vector<PreferenceEntry> entries_;
};

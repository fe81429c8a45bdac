#pragma once

#include "platform/RegistrySettingsFile.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

// The program's registry. A key path such as
// "HKEY_CURRENT_USER\SOFTWARE\Norvane\Kestrel\Config" names one key of the current user's
// hive. Here one INI file stands for the whole hive: the key path becomes a group path
// ("\" turned into "/", folded to lower case, because key paths are case-insensitive),
// value names keep their spelling, sub-keys are nested groups.
//
// An object is one opened key with the calls of QSettings. It reads the file when it is
// opened; sync(), or the destructor for what is still pending, writes only the values this
// object changed, merged into the file as it stands at that moment. So the capture program
// and the editor can both save without putting back each other's old values.
class RegistrySettings
{
    Q_DISABLE_COPY(RegistrySettings)

public:
    static const QString kCurrentUserRoot; // "HKEY_CURRENT_USER\"

    // The INI file that stands for HKEY_CURRENT_USER (moves with XDG_CONFIG_HOME).
    static QString filePath();
    // The group path for a full key path; empty for a path outside HKEY_CURRENT_USER.
    static QString groupForKey(const QString &keyPath);
    // The key opened: reads and writes address its values by name.
    static std::unique_ptr<RegistrySettings> open(const QString &keyPath);

    ~RegistrySettings();

    QVariant value(const QString &name, const QVariant &defaultValue = QVariant()) const;
    bool contains(const QString &name) const;
    void setValue(const QString &name, const QVariant &value);
    // Removes the value `name` and the sub-key `name` with everything in it.
    void remove(const QString &name);
    // Enters the sub-key `name` until the matching endGroup().
    void beginGroup(const QString &name);
    void endGroup();
    // The names of the values and of the sub-keys directly in the current key.
    QStringList childKeys() const;
    QStringList childGroups() const;

    // Writes the pending changes and reads the file again; false when the file could not be
    // written, and the changes stay pending.
    bool sync();

private:
    explicit RegistrySettings(const QString &group);
    QString keyOf(const QString &name) const;
    QStringList children(bool groups) const;

    struct Change
    {
        QString key;
        QVariant value;
        bool removal;
    };

    QStringList groups_; // the key opened, then each sub-key entered
    RegistrySettingsFile file_; // as last read, with the pending changes applied
    std::vector<Change> pending_;
};

#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The program's registry. A key path such as
// "HKEY_CURRENT_USER\SOFTWARE\Norvane\Kestrel\Config" names one key of the current user's
// hive. Here one INI file stands for the whole hive: the key path becomes a group path
// ("\" turned into "/", folded to lower case, because key paths are case-insensitive),
// value names keep their spelling, sub-keys are nested groups. Writers that change
// different values of the same file merge per value, so the capture program and the editor
// can both save.
class RegistrySettings
{
public:
    static const QString kCurrentUserRoot; // "HKEY_CURRENT_USER\"

    // The INI file that stands for HKEY_CURRENT_USER (moves with XDG_CONFIG_HOME).
    static QString filePath();
    // The group path for a full key path; empty for a path outside HKEY_CURRENT_USER.
    static QString groupForKey(const QString &keyPath);
    // Settings opened on the key: reads and writes address the key's values by name,
    // beginGroup() enters a sub-key, remove("sub") removes a sub-key with its values.
    static std::unique_ptr<QSettings> open(const QString &keyPath);
    // Writes the pending changes of settings opened with open(); false when the file could
    // not be written. Every writer of the file goes through here (see the .cpp for why).
    static bool sync(QSettings &settings);
};

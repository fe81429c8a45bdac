#pragma once

#include "platform/RegistrySettings.h"
#include "preferences/Preferences.h"
#include "support/FileBytes.h"

// Replaces the settings file by text as a person or another program may have left it.
// Values of "HKEY_CURRENT_USER\SOFTWARE\A\B" are the lines "a\b\Name=..." of "[software]".
inline void writeRegistryFile(const QByteArray &text)
{
    writeBytes(RegistrySettings::filePath(), text);
}

inline QByteArray registryBytes()
{
    return readBytes(RegistrySettings::filePath());
}

// A slot's value through the getter of its own type.
inline QVariant valueOf(const Preferences &preferences, int index)
{
    switch (preferences.typeAt(index)) {
    case PreferenceType::Bool:
        return preferences.getBool(index, false);
    case PreferenceType::Int:
        return preferences.getInt(index, 0);
    default:
        return preferences.getString(index, QString());
    }
}

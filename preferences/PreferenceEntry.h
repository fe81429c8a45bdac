#pragma once

#include <QString>
#include <QVariant>

// The value type of one preference slot.
enum class PreferenceType {
    None = 0, // slot not declared
    Int = 1,
    Bool = 2,
    String = 3,
};

// One slot of the preference table: the registry value name it is bound to, its current
// value, and whether that value is known to equal what the registry holds.
struct PreferenceEntry
{
    QString key; // empty for an unused slot
    PreferenceType type = PreferenceType::None;
    QVariant value = 0;
    bool synced = false; // just loaded or just saved
};

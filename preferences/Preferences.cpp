#include "preferences/Preferences.h"

#include "platform/RegistrySettings.h"

#include <limits>

namespace {

// A stored number as the 32-bit value it stands for. Registry DWORDs are unsigned, so a
// value another writer stored as 4294967295 is our -1; anything wider is not a DWORD.
bool parseDword(const QVariant &stored, int *result)
{
    bool ok = false;
    const qlonglong number = stored.toString().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min()
        || number > qlonglong(std::numeric_limits<quint32>::max()))
        return false;
    *result = static_cast<qint32>(static_cast<quint32>(number));
    return true;
}

} // namespace

Preferences::~Preferences() = default;

bool Preferences::init(int count)
{
    if (count <= 0)
        return false;
    entries_.assign(static_cast<size_t>(count), PreferenceEntry());
    return true;
}

void Preferences::setKey(int index, const QString &key)
{
    if (inRange(index))
        entries_[index].key = key;
}

void Preferences::registerBool(int index, const QString &key, bool defaultValue)
{
    setKey(index, key);
    setBool(index, defaultValue);
}

void Preferences::registerInt(int index, const QString &key, int defaultValue)
{
    setKey(index, key);
    setInt(index, defaultValue);
}

void Preferences::registerString(int index, const QString &key, const QString &defaultValue)
{
    setKey(index, key);
    setString(index, defaultValue);
}

bool Preferences::getBool(int index, bool defaultValue) const
{
    const PreferenceType type = typeAt(index);
    if (type != PreferenceType::Bool && type != PreferenceType::Int)
        return defaultValue;
    return entries_[index].value.toBool();
}

int Preferences::getInt(int index, int defaultValue) const
{
    if (typeAt(index) != PreferenceType::Int)
        return defaultValue;
    return entries_[index].value.toInt();
}

QString Preferences::getString(int index, const QString &defaultValue) const
{
    if (typeAt(index) != PreferenceType::String)
        return defaultValue;
    return entries_[index].value.toString();
}

void Preferences::setBool(int index, bool value)
{
    assign(index, PreferenceType::Bool, value);
}

void Preferences::setInt(int index, int value)
{
    assign(index, PreferenceType::Int, value);
}

void Preferences::setString(int index, const QString &value)
{
    assign(index, PreferenceType::String, value);
}

void Preferences::assign(int index, PreferenceType type, const QVariant &value)
{
    if (!inRange(index))
        return;
    PreferenceEntry &entry = entries_[index];
    if (entry.type == type && entry.value == value)
        return;
    entry.type = type;
    entry.value = value;
    entry.synced = false;
}

QString Preferences::keyAt(int index) const
{
    return inRange(index) ? entries_[index].key : QString();
}

PreferenceType Preferences::typeAt(int index) const
{
    return inRange(index) ? entries_[index].type : PreferenceType::None;
}

bool Preferences::isSynced(int index) const
{
    return inRange(index) && entries_[index].synced;
}

int Preferences::load(const QString &root, const QString &path)
{
    const auto settings = RegistrySettings::open(root + path);
    int loaded = 0;
    for (int index = 0; index < count(); ++index) {
        const PreferenceEntry &entry = entries_[index];
        if (entry.key.isEmpty() || entry.type == PreferenceType::None)
            continue;
        const QVariant stored = settings->value(entry.key);
        if (!stored.isValid())
            continue;
        switch (entry.type) {
        case PreferenceType::Int:
            setInt(index, toStoredInt(stored));
            break;
        case PreferenceType::Bool:
            setBool(index, toStoredBool(stored));
            break;
        case PreferenceType::String:
            setString(index, toStoredString(stored));
            break;
        case PreferenceType::None:
            break;
        }
        entries_[index].synced = true;
        ++loaded;
    }
    return loaded;
}

// The written slots count as synced only once the file really holds them; after a failed
// write they stay pending, so the next save tries again.
int Preferences::save(const QString &root, const QString &path)
{
    const auto settings = RegistrySettings::open(root + path);
    std::vector<int> written;
    for (int index = 0; index < count(); ++index) {
        const PreferenceEntry &entry = entries_[index];
        if (entry.key.isEmpty() || entry.type == PreferenceType::None || entry.synced)
            continue;
        write(*settings, entry);
        written.push_back(index);
    }
    if (written.empty())
        return 0;
    if (!settings->sync())
        return 0;
    for (int index : written)
        entries_[index].synced = true;
    return static_cast<int>(written.size());
}

void Preferences::write(RegistrySettings &settings, const PreferenceEntry &entry)
{
    switch (entry.type) {
    case PreferenceType::Int:
        settings.setValue(entry.key, entry.value.toInt());
        break;
    case PreferenceType::Bool:
        settings.setValue(entry.key, entry.value.toBool() ? 1 : 0);
        break;
    case PreferenceType::String:
        settings.setValue(entry.key, entry.value.toString());
        break;
    case PreferenceType::None:
        break;
    }
}

int Preferences::toStoredInt(const QVariant &stored)
{
    int number = 0;
    return parseDword(stored, &number) ? number : 0;
}

bool Preferences::toStoredBool(const QVariant &stored)
{
    int number = 0;
    if (parseDword(stored, &number))
        return number != 0;
    return stored.toBool();
}

QString Preferences::toStoredString(const QVariant &stored)
{
    return stored.toString();
}

#include "platform/RegistrySettings.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

const QString RegistrySettings::kCurrentUserRoot = QStringLiteral("HKEY_CURRENT_USER\\");

QString RegistrySettings::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Norvane/registry.ini");
}

QString RegistrySettings::groupForKey(const QString &keyPath)
{
    if (!keyPath.startsWith(kCurrentUserRoot, Qt::CaseInsensitive))
        return QString();
    QString group = keyPath.mid(kCurrentUserRoot.size()).toLower();
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.endsWith(QLatin1Char('/')))
        group.chop(1);
    return group;
}

namespace {

// A save waits this long for another writer to finish; a writer holds its turn for one
// read and one write of a small file.
constexpr int kTurnWaitMs = 5000;
constexpr int kTurnPollMs = 5;
// A writer names itself in the lock file right after creating it.
constexpr int kNamingGraceMs = 100;

// Writers of the file take turns through a lock file beside it ("registry.ini.turn"). The
// turn of a writer that died is passed on at once: the lock names a process that is gone
// (QLockFile checks that), or names nobody because the writer died while creating it.
// Without the second rule such a lock would count as live for 30 seconds.
class WriterTurn
{
public:
    WriterTurn() : path_(prepare()), lock_(path_) { taken_ = take(); }
    bool taken() const { return taken_; }

private:
    static QString prepare()
    {
        const QString path = RegistrySettings::filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        return path + QStringLiteral(".turn");
    }

    bool take()
    {
        const QDeadlineTimer deadline(kTurnWaitMs);
        for (;;) {
            if (lock_.tryLock(0))
                return true;
            if (lock_.error() != QLockFile::LockFailedError)
                return false;
            // Removal fails while a live writer holds the lock file open and locked.
            if (namesNoHolder() && lock_.removeStaleLockFile())
                continue;
            if (deadline.hasExpired())
                return false;
            QThread::msleep(kTurnPollMs);
        }
    }

    bool namesNoHolder() const
    {
        qint64 pid = 0;
        QString hostName;
        QString appName;
        if (lock_.getLockInfo(&pid, &hostName, &appName))
            return false;
        const QDateTime created = QFileInfo(path_).lastModified();
        return created.isValid()
                && qAbs(created.msecsTo(QDateTime::currentDateTime())) >= kNamingGraceMs;
    }

    const QString path_;
    QLockFile lock_;
    bool taken_ = false;
};

// The file's bytes; a missing file is empty. `readable` is false when it exists but cannot
// be read, which must never be mistaken for an empty file.
QByteArray readSettingsFile(bool *readable = nullptr)
{
    QFile file(RegistrySettings::filePath());
    const bool missing = !file.exists();
    const bool opened = !missing && file.open(QIODevice::ReadOnly);
    const QByteArray text = opened ? file.readAll() : QByteArray();
    if (readable)
        *readable = missing || (opened && file.error() == QFileDevice::NoError);
    return text;
}

bool writeSettingsFile(const QByteArray &text)
{
    QSaveFile file(RegistrySettings::filePath());
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace

// Writers replace the file in one step (a temporary file renamed over it), so a reader
// always sees a whole file and never waits for a turn.
std::unique_ptr<RegistrySettings> RegistrySettings::open(const QString &keyPath)
{
    return std::unique_ptr<RegistrySettings>(new RegistrySettings(groupForKey(keyPath)));
}

RegistrySettings::RegistrySettings(const QString &group)
    : groups_ {group}, file_(RegistrySettingsFile::parse(readSettingsFile()))
{ }

RegistrySettings::~RegistrySettings()
{
    if (!pending_.empty())
        sync();
}

QVariant RegistrySettings::value(const QString &name, const QVariant &defaultValue) const
{
    const QVariant stored = file_.value(keyOf(name));
    return stored.isValid() ? stored : defaultValue;
}

bool RegistrySettings::contains(const QString &name) const
{
    return file_.value(keyOf(name)).isValid();
}

void RegistrySettings::setValue(const QString &name, const QVariant &value)
{
    const QString key = keyOf(name);
    file_.setValue(key, value);
    pending_.push_back({key, value, false});
}

void RegistrySettings::remove(const QString &name)
{
    const QString key = keyOf(name);
    file_.remove(key);
    pending_.push_back({key, QVariant(), true});
}

void RegistrySettings::beginGroup(const QString &name)
{
    groups_.append(keyOf(name));
}

void RegistrySettings::endGroup()
{
    if (groups_.size() > 1)
        groups_.removeLast();
}

QStringList RegistrySettings::childKeys() const
{
    return children(false);
}

QStringList RegistrySettings::childGroups() const
{
    return children(true);
}

// Under the writers' turn: read the file as it is now, apply this object's changes in the
// order they were made, and replace the file. Values of other writers that this object
// did not touch stay as those writers left them, whatever this process read before.
bool RegistrySettings::sync()
{
    if (pending_.empty()) {
        file_ = RegistrySettingsFile::parse(readSettingsFile());
        return true;
    }
    const WriterTurn turn;
    if (!turn.taken())
        return false;
    bool readable = false;
    const QByteArray current = readSettingsFile(&readable);
    if (!readable)
        return false;
    RegistrySettingsFile merged = RegistrySettingsFile::parse(current);
    for (const Change &change : pending_) {
        if (change.removal)
            merged.remove(change.key);
        else
            merged.setValue(change.key, change.value);
    }
    const QByteArray text = merged.text();
    if (text != current && !writeSettingsFile(text))
        return false;
    file_ = merged;
    pending_.clear();
    return true;
}

QString RegistrySettings::keyOf(const QString &name) const
{
    return RegistrySettingsFile::normalizedKey(groups_.last() + QLatin1Char('/') + name);
}

QStringList RegistrySettings::children(bool groups) const
{
    const QString prefix = groups_.last().isEmpty() ? QString() : groups_.last() + QLatin1Char('/');
    QStringList result;
    for (const QString &key : file_.keys()) {
        if (!key.startsWith(prefix))
            continue;
        const QString rest = key.mid(prefix.size());
        const int slash = rest.indexOf(QLatin1Char('/'));
        if (groups && slash > 0)
            result << rest.left(slash);
        else if (!groups && slash < 0)
            result << rest;
    }
    result.removeDuplicates();
    return result;
}

#include "platform/RegistrySettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

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

// Writers of the file take turns through this lock (see sync() below).
class WriterTurn
{
public:
    WriterTurn() : lock_(prepare()) { lock_.lock(); }

private:
    static QString prepare()
    {
        const QString path = RegistrySettings::filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        return path + QStringLiteral(".turn");
    }

    QLockFile lock_;
};

} // namespace

// QSettings reads the file when it is opened and notes the file's size and time apart from
// the read. A write by another process in between would leave this process believing it
// holds the new file while it holds the old one, and its next write would put the old
// values back. So the read, too, happens while no other process may write.
std::unique_ptr<QSettings> RegistrySettings::open(const QString &keyPath)
{
    const WriterTurn turn;
    auto settings = std::make_unique<QSettings>(filePath(), QSettings::IniFormat);
    const QString group = groupForKey(keyPath);
    if (!group.isEmpty())
        settings->beginGroup(group);
    return settings;
}

// QSettings notices that another process wrote the file only by its size and modification
// time. File times advance in coarse ticks (several milliseconds), so a write of the same
// size by another process within one tick went unseen, and our next write silently put the
// old values back. Writers therefore take turns and each leaves a modification time later
// than any the file had before.
bool RegistrySettings::sync(QSettings &settings)
{
    const WriterTurn turn;
    const QString path = filePath();
    const QDateTime before = QFileInfo(path).lastModified();
    settings.sync();
    const QDateTime after = QFileInfo(path).lastModified();
    if (before.isValid() && after.isValid() && after <= before) {
        QFile file(path);
        if (file.open(QIODevice::Append))
            file.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
    }
    return settings.status() != QSettings::AccessError;
}

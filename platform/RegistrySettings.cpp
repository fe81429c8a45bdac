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

void setModificationTime(const QString &path, const QDateTime &time)
{
    QFile file(path);
    if (file.open(QIODevice::Append))
        file.setFileTime(time, QFileDevice::FileModificationTime);
}

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

// QSettings keeps the file's contents per process and, before a write, reads the file again
// only when its size or modification time differs from what it last saw. Another writer
// can leave both unchanged: the same size, within one tick of the file clock (milliseconds
// here, coarser elsewhere), or a hand edit that kept the file's time. The write would then
// merge into stale contents and silently put the other writer's old values back. So, while
// holding the writers' turn, every write first moves the file's time past any this process
// has seen, which makes QSettings merge into the file as it is now, and afterwards leaves a
// time later than any the file had before, so that other processes notice the write.
bool RegistrySettings::sync(QSettings &settings)
{
    const WriterTurn turn;
    const QString path = filePath();
    const QDateTime before = QFileInfo(path).lastModified();
    if (before.isValid())
        setModificationTime(path, before.addMSecs(1));
    settings.sync();
    const QDateTime after = QFileInfo(path).lastModified();
    if (before.isValid() && after.isValid() && after <= before.addMSecs(1))
        setModificationTime(path, before.addMSecs(2));
    return settings.status() != QSettings::AccessError;
}

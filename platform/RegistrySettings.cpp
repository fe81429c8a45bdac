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

std::unique_ptr<QSettings> RegistrySettings::open(const QString &keyPath)
{
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
    const QString path = filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile turn(path + QStringLiteral(".turn"));
    turn.lock();
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

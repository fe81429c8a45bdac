#include "platform/RegistrySettings.h"

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

#include "platform/LocalServerName.h"

#include <QStandardPaths>

QString LocalServerName(const QString &name)
{
#ifdef Q_OS_WIN
    return name;
#else
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return name;
    const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtimeDir.isEmpty())
        return name;
    return runtimeDir + QLatin1Char('/') + name;
#endif
}

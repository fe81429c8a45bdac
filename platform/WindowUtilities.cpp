#include "platform/WindowUtilities.h"

#include <QCoreApplication>

void SetAppUserModelId(const QString &id)
{
    // Taskbar grouping exists only on Windows.
    Q_UNUSED(id);
}

QString AppDirFile(const QString &name)
{
    const QString program = QCoreApplication::applicationFilePath();
    return program.left(program.lastIndexOf(QLatin1Char('/')) + 1) + name;
}

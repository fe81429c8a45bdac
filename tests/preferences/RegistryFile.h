#pragma once

#include "platform/RegistrySettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// Replaces the settings file by text as a person or another program may have left it.
// Values of "HKEY_CURRENT_USER\SOFTWARE\A\B" are the lines "a\b\Name=..." of the section
// "[software]".
inline void writeRegistryFile(const QByteArray &text)
{
    const QString path = RegistrySettings::filePath();
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(text);
    file.flush();
    // Settings readers keep a parsed copy of the file and reread it only when its size or
    // time changed; two rewrites of equal size within one tick would go unnoticed.
    static int rewrites = 0;
    file.setFileTime(QDateTime::currentDateTime().addSecs(++rewrites),
                     QFileDevice::FileModificationTime);
}

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// The bytes of a file; empty when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the whole file, making its folder first; `newOnly` refuses a file already there.
inline bool writeBytes(const QString &path, const QByteArray &bytes, bool newOnly = false)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | (newOnly ? QIODevice::NewOnly : QIODevice::Truncate))
            && file.write(bytes) == bytes.size();
}

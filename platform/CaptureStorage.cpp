#include "platform/CaptureStorage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// A number of tries large enough for any burst of captures in one millisecond.
constexpr int kMaxNameTries = 1000;

} // namespace

// Makes folder if missing and checks it without following a link: it must be a real
// folder of this user, and only this user may enter it.
bool CaptureStorage::preparePrivateFolder(const QString &folder, QString *error)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        *error = tr("Cannot create the capture folder %1: %2")
                         .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat status
    {
    };
    if (::lstat(path.constData(), &status) != 0) {
        *error = tr("Cannot read the capture folder %1: %2")
                         .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (S_ISLNK(status.st_mode)) {
        *error = tr("The capture folder %1 is a symbolic link; remove it and try again.")
                         .arg(folder);
        return false;
    }
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) {
        *error = tr("The capture folder %1 is not a folder of your own; remove it and try again.")
                         .arg(folder);
        return false;
    }
    if ((status.st_mode & 0777) != 0700 && ::chmod(path.constData(), 0700) != 0) {
        *error = tr("Cannot make the capture folder %1 private: %2")
                         .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
#else
    if (QDir().mkpath(folder))
        return true;
    *error = tr("Cannot create the capture folder %1").arg(folder);
    return false;
#endif
}

QString CaptureStorage::folderPath()
{
    return QDir::tempPath() + QStringLiteral("/Norvane/KesTempStorage");
}

bool CaptureStorage::prepare(QString *error)
{
    const QString folder = folderPath();
    return preparePrivateFolder(QFileInfo(folder).path(), error)
            && preparePrivateFolder(folder, error);
}

QString CaptureStorage::writeNew(const QImage &image, const QString &prefix, QString *error)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        *error = tr("Cannot write the capture into %1.").arg(folderPath());
        return QString();
    }
    return writeNewPng(png, prefix, error);
}

QString CaptureStorage::writeNewPng(const QByteArray &png, const QString &prefix, QString *error)
{
    if (!prepare(error))
        return QString();
    const QString stem = folderPath() + QLatin1Char('/') + prefix
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss_zzz"));
    for (int attempt = 1; attempt <= kMaxNameTries; ++attempt) {
        const QString path = stem + (attempt == 1 ? QString() : QStringLiteral("_%1").arg(attempt))
                + QStringLiteral(".png");
        QFile placeholder(path);
        // NewOnly creates exclusively: it neither reuses a name nor follows a planted link.
        if (!placeholder.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (placeholder.exists() || QFileInfo(path).isSymLink())
                continue;
            *error = tr("Cannot write the capture %1: %2").arg(path, placeholder.errorString());
            return QString();
        }
        placeholder.close();
        // The temporary file takes these permissions when it is renamed over the name.
        placeholder.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(png) == png.size() && file.commit())
            return path;
        placeholder.remove();
        *error = tr("Cannot write the capture %1.").arg(path);
        return QString();
    }
    *error = tr("Cannot find a free file name in the capture folder %1.").arg(folderPath());
    return QString();
}

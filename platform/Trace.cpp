#include "platform/Trace.h"

#include "platform/RegistrySettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <atomic>
#include <cstdarg>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Read on every call from any thread, so the level test stays one relaxed load.
std::atomic<int> traceLevel {0};
std::atomic<bool> debugOutput {false};
QMutex traceMutex;

constexpr qint64 kMaxLogSize = 52428800; // 50 MiB: larger logs start again

QString logFolder()
{
    return QStringLiteral("%0/%1").arg(QDir::tempPath(), QCoreApplication::applicationName());
}

#ifdef Q_OS_UNIX
// The temporary folder is shared by every user: the log folder must be a real folder of
// ours that nobody else can write into, or someone could plant a link to a file of ours.
int openPrivateFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return -1;
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info;
    if (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    if ((info.st_mode & 0077) != 0 && ::fchmod(fd, 0700) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void appendToLog(const QByteArray &bytes)
{
    const int folder = openPrivateFolder(QFile::encodeName(logFolder()));
    if (folder < 0)
        return;
    const QByteArray name = QFile::encodeName(QCoreApplication::applicationName() + ".log");
    struct stat info;
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISREG(info.st_mode) && info.st_size > kMaxLogSize)
        ::unlinkat(folder, name.constData(), 0);
    const int fd = ::openat(folder, name.constData(),
                            O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    ::close(folder);
    if (fd < 0)
        return;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        qint64 written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            written += n;
        }
    }
    ::close(fd);
}
#else
void appendToLog(const QByteArray &bytes)
{
    QDir().mkpath(logFolder());
    QFile file(TraceLogPath());
    if (file.exists() && file.size() > kMaxLogSize)
        file.remove();
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(bytes);
}
#endif

void writeEntry(int level, const QString &function, const char *format, va_list arguments)
{
    if (level > traceLevel.load(std::memory_order_relaxed))
        return;
    QMutexLocker locker(&traceMutex);
    const QString line = QStringLiteral("[%0](P:%1) %2 : %3")
                                 .arg(QDateTime::currentDateTime().toString(
                                         QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")))
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(function, QString::vasprintf(format, arguments));
    appendToLog(line.toUtf8() + "\r\n");
    if (debugOutput.load(std::memory_order_relaxed))
        qDebug().noquote() << line;
}

} // namespace

void InitTrace()
{
    const auto settings = RegistrySettings::open(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\%0\\FuncTrace")
                    .arg(QCoreApplication::applicationName()));
    bool isNumber = false;
    const int level = settings->value(QStringLiteral("trace")).toInt(&isNumber);
    traceLevel.store(isNumber ? level : 0, std::memory_order_relaxed);
    const int output = settings->value(QStringLiteral("output")).toInt(&isNumber);
    debugOutput.store(isNumber && output == 1, std::memory_order_relaxed);
}

void Trace(int level, const QString &function, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    writeEntry(level, function, format, arguments);
    va_end(arguments);
}

void Trace(const QString &function, int level, const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    writeEntry(level, function, format, arguments);
    va_end(arguments);
}

void Trace(int level, const char *function, const char *format, ...)
{
    if (level > traceLevel.load(std::memory_order_relaxed))
        return; // before the name becomes a string
    va_list arguments;
    va_start(arguments, format);
    writeEntry(level, QString::fromUtf8(function), format, arguments);
    va_end(arguments);
}

QString TraceLogPath()
{
    return QStringLiteral("%0/%1.log").arg(logFolder(), QCoreApplication::applicationName());
}

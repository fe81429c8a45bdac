#include "output/ReservedFile.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

ReservedFile::~ReservedFile()
{
    release();
}

ReservedFile::ReservedFile(ReservedFile &&other) noexcept
    : path_(std::exchange(other.path_, QString())), kept_(std::exchange(other.kept_, false))
{ }

ReservedFile &ReservedFile::operator=(ReservedFile &&other) noexcept
{
    if (this != &other) {
        release();
        path_ = std::exchange(other.path_, QString());
        kept_ = std::exchange(other.kept_, false);
    }
    return *this;
}

ReservedFile ReservedFile::create(const QString &path, bool *taken)
{
    if (taken)
        *taken = false;
    if (path.isEmpty())
        return {};
    // NewOnly is O_CREAT | O_EXCL: it fails on anything already there, links included.
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return ReservedFile(path);
    if (taken)
        *taken = isTaken(path);
    return {};
}

bool ReservedFile::isTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

void ReservedFile::keep()
{
    kept_ = true;
}

void ReservedFile::release()
{
    if (path_.isEmpty())
        return;
    if (!kept_) {
        const QFileInfo info(path_);
        if (info.isFile() && !info.isSymLink() && info.size() == 0)
            QFile::remove(path_);
    }
    path_.clear();
    kept_ = false;
}

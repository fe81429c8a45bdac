#include "mainwindow/CaptureFolder.h"

#include "platform/Trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// In the shared temporary folder anybody may plant files and links; only what this user
// owns is the capture program's work.
bool ownedByUser(const QFileInfo &info)
{
#ifdef Q_OS_UNIX
    return info.ownerId() == uint(::geteuid());
#else
    Q_UNUSED(info);
    return true; // the temporary folder is the user's own
#endif
}

} // namespace

int CaptureFolder::removeCaptures(const QString &folder)
{
    const QFileInfo folderInfo(folder);
    // A planted link would lead the clean-up into somebody else's pictures.
    if (folderInfo.isSymLink() || QFileInfo(folderInfo.absolutePath()).isSymLink()
        || !folderInfo.isDir() || !ownedByUser(folderInfo))
        return 0;
    // Regular files only: links and everything else are filtered out by the listing.
    const QFileInfoList entries = QDir(folder).entryInfoList(
            {QStringLiteral("*.png")},
            QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    int removed = 0;
    for (const QFileInfo &entry : entries) {
        if (!ownedByUser(entry))
            continue;
        // QFile::remove unlinks the name itself, so a file swapped for a link meanwhile
        // loses only the link.
        if (QFile::remove(entry.filePath()))
            ++removed;
        else
            Trace(1, QStringLiteral("removeCaptures"), "cannot remove %ls",
                  qUtf16Printable(entry.filePath()));
    }
    return removed;
}

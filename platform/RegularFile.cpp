#include "platform/RegularFile.h"

#include <QFileInfo>

bool IsRegularFile(const QString &path)
{
    // QFileInfo reads the file's status without opening it, and counts only regular files
    // as files; FIFOs, sockets and devices are not.
    return !path.isEmpty() && QFileInfo(path).isFile();
}

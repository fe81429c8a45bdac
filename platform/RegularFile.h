#pragma once

#include <QString>

// Whether path names a regular file, found through any symbolic links. A capture is only
// ever opened after this check: opening a FIFO or a device could block the program for good,
// and neither holds an image.
bool IsRegularFile(const QString &path);

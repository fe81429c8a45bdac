#pragma once

#include <QString>

// The clean-up of the capture folder (CaptureStorage::folderPath()) when the editor exits.
class CaptureFolder
{
public:
    // Removes the user's own capture files: regular files named "*.png" directly inside
    // folder. Links, sub-folders and other users' files stay, and nothing is done in a
    // folder that is itself a link or not the user's own. A file that cannot be removed is
    // left and traced. Returns the number of files removed.
    static int removeCaptures(const QString &folder);
};

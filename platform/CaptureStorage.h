#pragma once

#include <QCoreApplication>
#include <QString>

class QByteArray;
class QImage;

// The folder captures are written to: "Norvane/KesTempStorage" in the temporary folder,
// which other users share. Both folders are the user's own with mode 0700; one that is a
// symbolic link or belongs to somebody else is refused, never written through.
class CaptureStorage
{
    Q_DECLARE_TR_FUNCTIONS(CaptureStorage)

public:
    static QString folderPath();

    // Creates both folders where missing and tightens their modes; false, with a message
    // for the user in error, when a folder cannot be trusted or made.
    static bool prepare(QString *error);

    // Writes image as a PNG under a name that no file in the folder has yet (the name is
    // taken with an exclusive create, so two captures in one millisecond still get two
    // files). The file is readable by the user alone and appears only once it is whole.
    // Returns the path, or an empty string with a message in error.
    static QString writeNew(const QImage &image, const QString &prefix, QString *error);
    // The same for a picture already encoded as PNG.
    static QString writeNewPng(const QByteArray &png, const QString &prefix, QString *error);

private:
    static bool preparePrivateFolder(const QString &folder, QString *error);
};

#pragma once

#include <QString>

// A file name claimed for a save that must not replace anything: the name is created
// exclusively as an empty file, so a file, folder or link that is already there, or that
// appears while the name is being chosen, is never taken over.
//
// Contract with the writer: fill path() atomically, through a temporary file in the same
// folder renamed over the placeholder (WriteFileAtomically, QSaveFile), then call keep().
// A reservation dropped without keep() removes its placeholder while that is still an empty
// regular file, so a failed save leaves nothing behind. Between the reservation and the
// rename only another program that deliberately replaces the placeholder could lose data.
class ReservedFile
{
public:
    ReservedFile() = default;
    ~ReservedFile();
    ReservedFile(ReservedFile &&other) noexcept;
    ReservedFile &operator=(ReservedFile &&other) noexcept;
    ReservedFile(const ReservedFile &) = delete;
    ReservedFile &operator=(const ReservedFile &) = delete;

    // Creates path as a new empty file. On failure the result is not valid and `taken`
    // (when given) tells whether something now exists under the name, so a caller can
    // go on with the next name, or whether the folder refused the file.
    static ReservedFile create(const QString &path, bool *taken = nullptr);
    // Whether anything exists under path: a file, a folder, a link (even a dangling one).
    static bool isTaken(const QString &path);

    bool isValid() const { return !path_.isEmpty(); }
    QString path() const { return path_; }
    // The writer filled the file: it stays.
    void keep();
    // Gives the name up now, removing the placeholder if it was never filled.
    void release();

private:
    explicit ReservedFile(const QString &path) : path_(path) { }

    QString path_;
    bool kept_ = false;
};

#pragma once

#include "output/ReservedFile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class KestrelPreferences;
class QRandomGenerator;

// Builds save names from the name type ("FileNameType") and template ("FileNameTamplate")
// of the preferences and the extension of "FileFormat", finds free numbered names for
// saves that must not replace anything, and lists the ready-made formats the user picks.
//
// A name from a template never leaves the chosen folder: separators, "..", control
// characters and characters file systems refuse become "_". Names are returned without
// extension; the callers add extension().
class FileNameUtil
{
    Q_DECLARE_TR_FUNCTIONS(FileNameUtil)

public:
    enum NameType { CustomText = 0, DateTime = 1, SerialNumber = 2, BirdName = 3 };

    struct LegacyFormat
    {
        int type = 0;
        QString displayText;
        QString format;
    };

    explicit FileNameUtil(const KestrelPreferences *preferences = nullptr);
    void initialize(const KestrelPreferences *preferences);

    // The ready-made formats in the order the format dialog offers them, display texts in
    // the installed language.
    static QVector<LegacyFormat> legacyFormats();
    // The first ready-made format with this type and exactly this format, or -1.
    static int findLegacyFormat(int type, const QString &format);
    // The ready-made format to show for a stored pair: its own one, or -1 when the pair is
    // the user's own text (a custom or empty template), else the first format.
    static int legacyFormatFor(int type, const QString &format);
    // The fifty names of the bird-name scheme, in the installed language.
    static QStringList birdNames();
    // The bird names shuffled: each one, in list order, goes to the front on 13 of 24 draws
    // and to the back otherwise.
    static QStringList shuffledBirdNames(QRandomGenerator &random);
    // The strftime-like tokens of older versions ("%Y", "%m", ...) as date-format letters.
    static QString convertLegacyTokens(const QString &text);
    // One file name made from any text; see the class comment.
    static QString sanitizedName(const QString &text);
    static QString extensionFor(int fileFormat);
    // folder and name with exactly one "/" between them.
    static QString join(const QString &folder, const QString &name);

    // "png", "jpg", "bmp" or "gif"; empty for an unknown format or without preferences.
    QString extension() const;
    // folder joined with the templated name, without extension; empty for an empty folder
    // or without preferences. A name that comes out empty is "Kestrel".
    QString fileName(const QString &folder) const;
    // The first free name of a save of several images, with extension: base (a result of
    // fileName) with "_1", "_2", ... or, for serial numbers, the next free number.
    QString numberedFileName(const QString &base) const;
    // folder/0001, folder/0002, ...: the first one whose image file does not exist yet.
    QString serialName(const QString &folder) const;
    // folder joined with a free bird name, or empty when every name is taken.
    QString birdName(const QString &folder) const;
    QString birdName(const QString &folder, QRandomGenerator &random) const;

    // The automatic save's name, fileName(folder) with extension, or when that is taken the
    // numbered names after it; created exclusively (see ReservedFile), the folder first.
    ReservedFile reserveFileName(const QString &folder) const;
    // numberedFileName(base) created exclusively; a name that appears meanwhile is skipped.
    ReservedFile reserveNumberedFileName(const QString &base) const;

private:
    bool numbersBySerial() const;
    QString templateText() const;
    int nameType() const;
    // Yields the numbered candidates of base one by one; empty when there are no more.
    std::function<QString()> numberedCandidates(const QString &base) const;
    static ReservedFile reserveFirstFree(const std::function<QString()> &nextCandidate);

    const KestrelPreferences *preferences_ = nullptr;
};

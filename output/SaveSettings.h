#pragma once

#include <QString>

class KestrelPreferences;

// What a save reads from the preferences besides the name: the folders and the JPG quality.
class SaveSettings
{
public:
    // The first standard pictures location; empty when the system has none.
    static QString picturesFolder();
    // The file dialog's and the multi-save's folder: "FilePath", else the pictures folder.
    static QString saveFolder(const KestrelPreferences &preferences);
    // "AutoSavePath", else the pictures folder.
    static QString autoSaveFolder(const KestrelPreferences &preferences);
    // "JpgQuality" is text; anything that is not a base-10 number (empty included) means
    // the best quality, and numbers are held to the range 0 to 100.
    static int jpgQuality(const KestrelPreferences &preferences);
    static int jpgQualityFromText(const QString &text);
};

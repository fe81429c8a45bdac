#include "output/SaveSettings.h"

#include "preferences/KestrelPreferences.h"

#include <QStandardPaths>

namespace {

constexpr int kBestJpgQuality = 100;

QString folderOrPictures(const KestrelPreferences &preferences, int slot)
{
    const QString folder = preferences.getString(slot, QString());
    return folder.isEmpty() ? SaveSettings::picturesFolder() : folder;
}

} // namespace

QString SaveSettings::picturesFolder()
{
    return QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0);
}

QString SaveSettings::saveFolder(const KestrelPreferences &preferences)
{
    return folderOrPictures(preferences, KestrelPreferences::FilePath);
}

QString SaveSettings::autoSaveFolder(const KestrelPreferences &preferences)
{
    return folderOrPictures(preferences, KestrelPreferences::AutoSavePath);
}

int SaveSettings::jpgQuality(const KestrelPreferences &preferences)
{
    return jpgQualityFromText(preferences.getString(KestrelPreferences::JpgQuality,
                                                    QString::number(kBestJpgQuality)));
}

int SaveSettings::jpgQualityFromText(const QString &text)
{
    bool ok = false;
    const int quality = text.toInt(&ok, 10);
    return ok ? qBound(0, quality, kBestJpgQuality) : kBestJpgQuality;
}

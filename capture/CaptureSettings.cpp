#include "capture/CaptureSettings.h"

#include "preferences/KestrelPreferences.h"

CaptureSettings CaptureSettings::load()
{
    KestrelPreferences preferences;
    preferences.initialize();
    CaptureSettings settings;
    settings.copyToClipboard =
            preferences.getBool(KestrelPreferences::CopyToClipboard, settings.copyToClipboard);
    settings.skipEditor =
            preferences.getBool(KestrelPreferences::SkipEditorWnd, settings.skipEditor);
    settings.autoSave = preferences.getBool(KestrelPreferences::AutoSave, settings.autoSave);
    return settings;
}

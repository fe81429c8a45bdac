#pragma once

#include "preferences/Preferences.h"

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>
#include <array>

// Every setting of the editor and of the capture program, in the registry key
// "HKEY_CURRENT_USER\SOFTWARE\Norvane\Kestrel\Config" that both programs share.
// Slots are addressed by their number, which the capture program also sends with
// "/updateprefvalue"; callers use the names below, never bare numbers.
class KestrelPreferences : public Preferences
{
    Q_DECLARE_TR_FUNCTIONS(KestrelPreferences)

public:
    // clang-format off
    enum Slot {
        CopyToClipboard         = 0,
        HideEditor              = 1,
        ShowOverlay             = 2,
        TrayMode                = 3,
        AutoStart               = 4,
        HotKeyMod               = 5,
        HotKeyChar              = 6,
        HideButtons             = 7,
        FileFormat              = 8,
        FileNameTemplate        = 9,   // stored as "FileNameTamplate"
        FileNameType            = 10,
        ToolFileName            = 11,
        LineColor               = 12,
        DrawLine                = 13,
        SkipEditorNotice        = 16,
        SkipTip                 = 17,
        FilePath                = 18,
        CaptureIncludeCursor    = 19,
        UsePrintScreen          = 20,
        PrintScreenCaptureMode  = 21,
        JpgQuality              = 22,
        ShowPostSaveDlg         = 23,
        ShowPostSaveAllDlg      = 24,
        UseHotKey               = 25,
        UseHotKey_W             = 26,
        UseHotKey_C             = 27,
        UseHotKey_F             = 28,
        UseHotKey_S             = 29,
        UseHotKey_FR            = 30,
        HotKeyChar_W            = 31,
        HotKeyChar_C            = 32,
        HotKeyChar_F            = 33,
        HotKeyChar_S            = 34,
        HotKeyChar_FR           = 35,
        HotKeyMod_W             = 36,
        HotKeyMod_C             = 37,
        HotKeyMod_F             = 38,
        HotKeyMod_S             = 39,
        HotKeyMod_FR            = 40,
        LastSelRectTop          = 41,
        LastSelRectLeft         = 42,
        LastSelRectWidth        = 43,
        LastSelRectHeight       = 44,
        LockCaptureSize         = 45,
        LockedSizeCx            = 46,
        LockedSizeCy            = 47,
        AutoSave                = 48,
        ShowFileDlgAfterCapture = 50,
        SkipEditorWnd           = 51,
        AutoSavePath            = 52,
        NotifyDeleteHistory     = 53,
        NotifyDeleteAllHistory  = 54,
        SkipExplainReceiveToPC  = 55,
        SkipExplainSendToMobile = 56,
        ShowInformationDialog   = 57,
        ShowHistoryBar          = 58,
        AutoHistoryDelete       = 59,
        LastDrawingItem         = 60,
        FigureType              = 61,
        FigureLineType          = 62,
        FigureLineColor         = 63,
        FigureFillColor         = 64,
        PenColor                = 65,
        HighlighterColor        = 66,
        LineWidth               = 67,
        TextSize                = 68,
        TextColor               = 69,
        TextStyle               = 70,
        MosaicStrength          = 71,
        SlotCount               = 72
    };
    // clang-format on

    // Registry paths, relative to RegistrySettings::kCurrentUserRoot. The five colour paths
    // also identify the custom-colour lists for the colour popups.
    static const QString kConfigPath;
    static const QString kSizePresetsPath;
    static const QString kFigureFillCustomColorPath;
    static const QString kFigureLineCustomColorPath;
    static const QString kPenCustomColorPath;
    static const QString kHighlighterCustomColorPath;
    static const QString kTextCustomColorPath;

    // Stored colours: red in the low byte, alpha in the top byte.
    static int encodeColor(const QColor &color);
    static QColor decodeColor(int value);

    // Declares the key table, loads it with the lists, and migrates the old skip-editor
    // switch; runs once, later calls return true at once.
    bool initialize();
    // Declares the key table and reads nothing: the values of a fresh installation.
    bool initializeDefaults();
    // Writes the pending values of the key table (the result is their number), then the
    // lists that changed since they were loaded.
    int save();
    using Preferences::save;

    static constexpr int kMaxSizePresets = 6;
    static constexpr int kMaxCustomColors = 4;

    void sizePresets(QList<QSize> &out) const;
    // Keeps at most kMaxSizePresets; the registry has no room for more.
    void setSizePresets(const QList<QSize> &presets);
    // An unknown path leaves out untouched.
    void customColors(const QString &path, QList<QColor> &out) const;
    // Keeps at most kMaxCustomColors; an unknown path is ignored.
    void setCustomColors(const QString &path, const QList<QColor> &colors);

    // Colour slots read and written as colours.
    QColor getColor(int index, const QColor &defaultValue) const;
    void setColor(int index, const QColor &color);

    // The language code of the installed catalogue ("ko-kr" for Korean).
    static QString localeName();
    static bool isForeignLocale();

private:
    struct CustomColorList
    {
        const QString *path;
        QList<QColor> colors;
        bool changed = false; // set in memory since the last load or save
    };

    void declareSlots();
    void migrateHideEditor();
    void loadSizePresets();
    void saveSizePresets();
    void loadCustomColors();
    void saveCustomColors();
    static QString fullPath(const QString &path);
    CustomColorList *colorListFor(const QString &path);
    const CustomColorList *colorListFor(const QString &path) const;

    // The lists are written only when they changed, so a save of the editor never puts
    // back lists that the capture program changed meanwhile.
    QList<QSize> sizePresets_;
    bool sizePresetsChanged_ = false;
    std::array<CustomColorList, 5> customColorLists_ {{
            {&kFigureFillCustomColorPath, {}},
            {&kFigureLineCustomColorPath, {}},
            {&kPenCustomColorPath, {}},
            {&kHighlighterCustomColorPath, {}},
            {&kTextCustomColorPath, {}},
    }};
};

#pragma once

#include "preferences/Preferences.h"

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QString>

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

    bool initialize();
    int save();

    void sizePresets(QList<QSize> &out) const;
    void setSizePresets(const QList<QSize> &presets);
    void customColors(const QString &path, QList<QColor> &out) const;
    void setCustomColors(const QString &path, const QList<QColor> &colors);

    // Colour slots read and written as colours.
    QColor getColor(int index, const QColor &defaultValue) const;
    void setColor(int index, const QColor &color);

    static QString localeName();
    static bool isForeignLocale();

private:
    void declareSlots();
    void migrateHideEditor();
    void loadSizePresets();
    void saveSizePresets();
    void loadCustomColors();
    void saveCustomColors();
    QList<QColor> *colorListFor(const QString &path);

    QList<QSize> sizePresets_;
    QList<QColor> figureFillCustomColors_;
    QList<QColor> figureLineCustomColors_;
    QList<QColor> penCustomColors_;
    QList<QColor> highlighterCustomColors_;
    QList<QColor> textCustomColors_;
};

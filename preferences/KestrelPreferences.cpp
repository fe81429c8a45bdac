#include "preferences/KestrelPreferences.h"

#include "platform/RegistrySettings.h"

const QString KestrelPreferences::kConfigPath =
        QStringLiteral("SOFTWARE\\Norvane\\Kestrel\\Config");
const QString KestrelPreferences::kSizePresetsPath =
        QStringLiteral("SOFTWARE\\Norvane\\Kestrel\\Config\\SizePresets");
const QString KestrelPreferences::kFigureFillCustomColorPath =
        QStringLiteral("SOFTWARE\\Norvane\\Kestrel\\Config\\FigureFillCustomColor");
const QString KestrelPreferences::kFigureLineCustomColorPath =
        QStringLiteral("SOFTWARE\\Norvane\\Kestrel\\Config\\FigureLineCustomColor");
const QString KestrelPreferences::kPenCustomColorPath =
        QStringLiteral("SOFTWARE\\Norvane\\Kestrel\\Config\\PenCustomColor");
const QString KestrelPreferences::kHighlighterCustomColorPath =
        QStringLiteral("SOFTWARE\\Norvane\\Kestrel\\Config\\HighlighterCustomColor");
const QString KestrelPreferences::kTextCustomColorPath =
        QStringLiteral("SOFTWARE\\Norvane\\Kestrel\\Config\\TextCustomColor");

namespace {

const QString kWidthValue = QStringLiteral("width");
const QString kHeightValue = QStringLiteral("height");
const QString kCustomColorValue = QStringLiteral("CustomColor");

// The value of a stored list item, or an invalid variant when it is missing.
QVariant readItem(RegistrySettings &settings, int item, const QString &name)
{
    settings.beginGroup(QString::number(item));
    const QVariant value = settings.value(name);
    settings.endGroup();
    return value;
}

// Writes the numbered items 0 to count - 1 of the list at `keyPath`, each through
// writeItem inside its own sub-key, and removes the sub-keys from count up to capacity.
// Returns whether the registry took the change.
template<typename WriteItem>
bool writeList(const QString &keyPath, int capacity, int count, WriteItem writeItem)
{
    const auto settings = RegistrySettings::open(keyPath);
    for (int item = 0; item < capacity; ++item) {
        if (item >= count) {
            settings->remove(QString::number(item));
            continue;
        }
        settings->beginGroup(QString::number(item));
        writeItem(*settings, item);
        settings->endGroup();
    }
    return settings->sync();
}

} // namespace

int KestrelPreferences::encodeColor(const QColor &color)
{
    const quint32 encoded = quint32(color.red()) | quint32(color.green()) << 8
            | quint32(color.blue()) << 16 | quint32(color.alpha()) << 24;
    return static_cast<qint32>(encoded);
}

QColor KestrelPreferences::decodeColor(int value)
{
    const quint32 encoded = static_cast<quint32>(value);
    return QColor(encoded & 0xFF, (encoded >> 8) & 0xFF, (encoded >> 16) & 0xFF, encoded >> 24);
}

bool KestrelPreferences::initialize()
{
    if (!isEmpty())
        return true;
    if (!init(SlotCount))
        return false;
    declareSlots();
    loadSizePresets();
    loadCustomColors();
    load(RegistrySettings::kCurrentUserRoot, kConfigPath);
    migrateHideEditor();
    return true;
}

bool KestrelPreferences::initializeDefaults()
{
    if (!init(SlotCount))
        return false;
    declareSlots();
    return true;
}

void KestrelPreferences::declareSlots()
{
    struct Declaration
    {
        Slot slot;
        const char *key;
        PreferenceType type;
        int number; // the default of an integer or boolean slot
        const char *text = ""; // the default of a string slot
    };
    constexpr PreferenceType Bool = PreferenceType::Bool;
    constexpr PreferenceType Int = PreferenceType::Int;
    constexpr PreferenceType String = PreferenceType::String;
    constexpr int kOpaqueRed = static_cast<int>(0xFF0000FFu);
    constexpr int kOpaqueBlack = static_cast<int>(0xFF000000u);
    constexpr int kTransparent = 0;

    // Slots 14, 15 and 49 are unused; the numbers are shared with the capture program.
    // clang-format off
    static const Declaration kKeyTable[] = {
        // slot                   key                         type    default
        {CopyToClipboard,         "CopyToClipboard",          Bool,   true},
        {HideEditor,              "HideEditor",               Bool,   false},
        {ShowOverlay,             "ShowOverlay",              Bool,   true},
        {TrayMode,                "TrayMode",                 Bool,   true},
        {AutoStart,               "AutoStart",                Bool,   true},
        {HotKeyMod,               "HotKeyMod",                Int,    6},
        {HotKeyChar,              "HotKeyChar",               Int,    'C'},
        {HideButtons,             "HideButtons",              Bool,   false},
        {FileFormat,              "FileFormat",               Int,    0},
        {FileNameTemplate,        "FileNameTamplate",         String, 0, "%Y%m%d_%H%M%S"},
        {FileNameType,            "FileNameType",             Int,    1},
        {ToolFileName,            "ToolFileName",             String, 0, ""},
        {LineColor,               "LineColor",                Int,    kOpaqueRed},
        {DrawLine,                "DrawLine",                 Bool,   false},
        {SkipEditorNotice,        "SkipEditorNotice",         Bool,   false},
        {SkipTip,                 "SkipTip",                  Bool,   false},
        {FilePath,                "FilePath",                 String, 0, ""},
        {CaptureIncludeCursor,    "CaptureIncludeCursor",     Bool,   false},
        {UsePrintScreen,          "UsePrintScreen",           Bool,   true},
        {PrintScreenCaptureMode,  "PrintScreenCaptureMode",   Int,    0},
        {JpgQuality,              "JpgQuality",               String, 0, "100"},
        {ShowPostSaveDlg,         "ShowPostSaveDlg",          Bool,   true},
        {ShowPostSaveAllDlg,      "ShowPostSaveAllDlg",       Bool,   true},
        {UseHotKey,               "UseHotKey",                Bool,   true},
        {UseHotKey_W,             "UseHotKey_W",              Bool,   true},
        {UseHotKey_C,             "UseHotKey_C",              Bool,   true},
        {UseHotKey_F,             "UseHotKey_F",              Bool,   true},
        {UseHotKey_S,             "UseHotKey_S",              Bool,   true},
        {UseHotKey_FR,            "UseHotKey_FR",             Bool,   true},
        {HotKeyChar_W,            "HotKeyChar_W",             Int,    'W'},
        {HotKeyChar_C,            "HotKeyChar_C",             Int,    'D'},
        {HotKeyChar_F,            "HotKeyChar_F",             Int,    'A'},
        {HotKeyChar_S,            "HotKeyChar_S",             Int,    'S'},
        {HotKeyChar_FR,           "HotKeyChar_FR",            Int,    'F'},
        {HotKeyMod_W,             "HotKeyMod_W",              Int,    6},
        {HotKeyMod_C,             "HotKeyMod_C",              Int,    6},
        {HotKeyMod_F,             "HotKeyMod_F",              Int,    6},
        {HotKeyMod_S,             "HotKeyMod_S",              Int,    6},
        {HotKeyMod_FR,            "HotKeyMod_FR",             Int,    6},
        {LastSelRectTop,          "LastSelRectTop",           Int,    -1},
        {LastSelRectLeft,         "LastSelRectLeft",          Int,    -1},
        {LastSelRectWidth,        "LastSelRectWidth",         Int,    400},
        {LastSelRectHeight,       "LastSelRectHeight",        Int,    300},
        {LockCaptureSize,         "LockCaptureSize",          Bool,   false},
        {LockedSizeCx,            "LockedSizeCx",             Int,    -1},
        {LockedSizeCy,            "LockedSizeCy",             Int,    -1},
        {AutoSave,                "AutoSave",                 Bool,   false},
        {ShowFileDlgAfterCapture, "ShowFileDlgAfterCapture",  Bool,   false},
        {SkipEditorWnd,           "SkipEditorWnd",            Bool,   false},
        {AutoSavePath,            "AutoSavePath",             String, 0, ""},
        {NotifyDeleteHistory,     "NotifyDeleteHistory",      Bool,   true},
        {NotifyDeleteAllHistory,  "NotifyDeleteAllHistory",   Bool,   true},
        {SkipExplainReceiveToPC,  "SkipExplainReceiveToPC",   Bool,   false},
        {SkipExplainSendToMobile, "SkipExplainSendToMobile",  Bool,   false},
        {ShowInformationDialog,   "ShowInformationDialog",    Bool,   true},
        {ShowHistoryBar,          "ShowHistoryBar",           Bool,   true},
        {AutoHistoryDelete,       "AutoHistoryDelete",        Bool,   false},
        {LastDrawingItem,         "LastDrawingItem",          Int,    5},
        {FigureType,              "FigureType",               Int,    5},
        {FigureLineType,          "FigureLineType",           Int,    1},
        {FigureLineColor,         "FigureLineColor",          Int,    kOpaqueRed},
        {FigureFillColor,         "FigureFillColor",          Int,    kTransparent},
        {PenColor,                "PenColor",                 Int,    kOpaqueRed},
        {HighlighterColor,        "HighlighterColor",         Int,    kOpaqueRed},
        {LineWidth,               "LineWidth",                Int,    3},
        {TextSize,                "TextSize",                 Int,    16},
        {TextColor,               "TextColor",                Int,    kOpaqueBlack},
        {TextStyle,               "TextStyle",                Int,    0},
        {MosaicStrength,          "MosaicStrength",           Int,    6},
    };
    // clang-format on

    for (const Declaration &row : kKeyTable) {
        const QString key = QString::fromLatin1(row.key);
        switch (row.type) {
        case PreferenceType::Bool:
            registerBool(row.slot, key, row.number != 0);
            break;
        case PreferenceType::Int:
            registerInt(row.slot, key, row.number);
            break;
        case PreferenceType::String:
            registerString(row.slot, key, QString::fromLatin1(row.text));
            break;
        case PreferenceType::None:
            break;
        }
    }
}

// Older versions of the capture program had one switch that both hid the editor and
// opened the file browser; it is split into the settings that replaced it.
void KestrelPreferences::migrateHideEditor()
{
    if (!getBool(HideEditor, false))
        return;
    setBool(HideEditor, false);
    setBool(SkipEditorWnd, true);
    setBool(ShowFileDlgAfterCapture, true);
    setBool(CopyToClipboard, true);
}

int KestrelPreferences::save()
{
    const int written = Preferences::save(RegistrySettings::kCurrentUserRoot, kConfigPath);
    saveSizePresets();
    saveCustomColors();
    return written;
}

QString KestrelPreferences::fullPath(const QString &path)
{
    return RegistrySettings::kCurrentUserRoot + path;
}

void KestrelPreferences::loadSizePresets()
{
    sizePresets_.clear();
    sizePresetsChanged_ = false;
    const auto settings = RegistrySettings::open(fullPath(kSizePresetsPath));
    for (int item = 0; item < kMaxSizePresets; ++item) {
        const QVariant width = readItem(*settings, item, kWidthValue);
        const QVariant height = readItem(*settings, item, kHeightValue);
        if (!width.isValid() || !height.isValid())
            break;
        sizePresets_.append(QSize(toStoredInt(width), toStoredInt(height)));
    }
}

void KestrelPreferences::saveSizePresets()
{
    if (!sizePresetsChanged_)
        return;
    const auto writePreset = [this](RegistrySettings &settings, int item) {
        settings.setValue(kWidthValue, sizePresets_[item].width());
        settings.setValue(kHeightValue, sizePresets_[item].height());
    };
    sizePresetsChanged_ = !writeList(fullPath(kSizePresetsPath), kMaxSizePresets,
                                     sizePresets_.size(), writePreset);
}

void KestrelPreferences::loadCustomColors()
{
    for (CustomColorList &list : customColorLists_) {
        list.colors.clear();
        list.changed = false;
        const auto settings = RegistrySettings::open(fullPath(*list.path));
        for (int item = 0; item < kMaxCustomColors; ++item) {
            const QVariant stored = readItem(*settings, item, kCustomColorValue);
            if (!stored.isValid())
                break;
            list.colors.append(decodeColor(toStoredInt(stored)));
        }
    }
}

void KestrelPreferences::saveCustomColors()
{
    for (CustomColorList &list : customColorLists_) {
        if (!list.changed)
            continue;
        const auto writeColor = [&list](RegistrySettings &settings, int item) {
            settings.setValue(kCustomColorValue, encodeColor(list.colors[item]));
        };
        list.changed =
                !writeList(fullPath(*list.path), kMaxCustomColors, list.colors.size(), writeColor);
    }
}

void KestrelPreferences::sizePresets(QList<QSize> &out) const
{
    out = sizePresets_;
}

void KestrelPreferences::setSizePresets(const QList<QSize> &presets)
{
    const QList<QSize> kept = presets.mid(0, kMaxSizePresets);
    if (kept == sizePresets_)
        return;
    sizePresets_ = kept;
    sizePresetsChanged_ = true;
}

KestrelPreferences::CustomColorList *KestrelPreferences::colorListFor(const QString &path)
{
    for (CustomColorList &list : customColorLists_) {
        if (*list.path == path)
            return &list;
    }
    return nullptr;
}

const KestrelPreferences::CustomColorList *
KestrelPreferences::colorListFor(const QString &path) const
{
    return const_cast<KestrelPreferences *>(this)->colorListFor(path);
}

void KestrelPreferences::customColors(const QString &path, QList<QColor> &out) const
{
    if (const CustomColorList *list = colorListFor(path))
        out = list->colors;
}

void KestrelPreferences::setCustomColors(const QString &path, const QList<QColor> &colors)
{
    CustomColorList *list = colorListFor(path);
    if (!list)
        return;
    const QList<QColor> kept = colors.mid(0, kMaxCustomColors);
    if (kept == list->colors)
        return;
    list->colors = kept;
    list->changed = true;
}

QColor KestrelPreferences::getColor(int index, const QColor &defaultValue) const
{
    if (typeAt(index) != PreferenceType::Int)
        return defaultValue;
    return decodeColor(getInt(index, 0));
}

void KestrelPreferences::setColor(int index, const QColor &color)
{
    setInt(index, encodeColor(color));
}

QString KestrelPreferences::localeName()
{
    return tr("locale");
}

bool KestrelPreferences::isForeignLocale()
{
    return localeName().compare(QLatin1String("ko-kr"), Qt::CaseInsensitive) != 0;
}

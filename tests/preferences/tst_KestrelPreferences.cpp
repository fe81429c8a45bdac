#include "preferences/KestrelPreferences.h"
#include "preferences/RegistryFile.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>
#include <QTranslator>

using Slot = KestrelPreferences::Slot;

namespace {

// Registry text with the given values of the config key (or of one of its sub-keys).
QByteArray registryText(const QByteArrayList &values, const QByteArray &subKey = QByteArray())
{
    QByteArray text = "[software]\n";
    for (const QByteArray &value : values)
        text += "norvane\\kestrel\\config\\" + subKey + value + "\n";
    return text;
}
constexpr PreferenceType B = PreferenceType::Bool, I = PreferenceType::Int,
                         S = PreferenceType::String;

// The settings shared with the capture program; "/updateprefvalue" sends these numbers.
struct KeyRow
{
    int index;
    const char *key;
    PreferenceType type;
    QVariant value;
};
// clang-format off
const KeyRow kKeyTable[] = {
    {0, "CopyToClipboard", B, true}, {1, "HideEditor", B, false}, {2, "ShowOverlay", B, true},
    {3, "TrayMode", B, true}, {4, "AutoStart", B, true}, {5, "HotKeyMod", I, 6},
    {6, "HotKeyChar", I, 67}, {7, "HideButtons", B, false}, {8, "FileFormat", I, 0},
    {9, "FileNameTamplate", S, "%Y%m%d_%H%M%S"}, {10, "FileNameType", I, 1},
    {11, "ToolFileName", S, ""}, {12, "LineColor", I, -16776961}, {13, "DrawLine", B, false},
    {16, "SkipEditorNotice", B, false}, {17, "SkipTip", B, false}, {18, "FilePath", S, ""},
    {19, "CaptureIncludeCursor", B, false}, {20, "UsePrintScreen", B, true},
    {21, "PrintScreenCaptureMode", I, 0}, {22, "JpgQuality", S, "100"},
    {23, "ShowPostSaveDlg", B, true}, {24, "ShowPostSaveAllDlg", B, true},
    {25, "UseHotKey", B, true}, {26, "UseHotKey_W", B, true}, {27, "UseHotKey_C", B, true},
    {28, "UseHotKey_F", B, true}, {29, "UseHotKey_S", B, true}, {30, "UseHotKey_FR", B, true},
    {31, "HotKeyChar_W", I, 87}, {32, "HotKeyChar_C", I, 68}, {33, "HotKeyChar_F", I, 65},
    {34, "HotKeyChar_S", I, 83}, {35, "HotKeyChar_FR", I, 70}, {36, "HotKeyMod_W", I, 6},
    {37, "HotKeyMod_C", I, 6}, {38, "HotKeyMod_F", I, 6}, {39, "HotKeyMod_S", I, 6},
    {40, "HotKeyMod_FR", I, 6}, {41, "LastSelRectTop", I, -1}, {42, "LastSelRectLeft", I, -1},
    {43, "LastSelRectWidth", I, 400}, {44, "LastSelRectHeight", I, 300},
    {45, "LockCaptureSize", B, false}, {46, "LockedSizeCx", I, -1}, {47, "LockedSizeCy", I, -1},
    {48, "AutoSave", B, false}, {50, "ShowFileDlgAfterCapture", B, false},
    {51, "SkipEditorWnd", B, false}, {52, "AutoSavePath", S, ""},
    {53, "NotifyDeleteHistory", B, true}, {54, "NotifyDeleteAllHistory", B, true},
    {55, "SkipExplainReceiveToPC", B, false}, {56, "SkipExplainSendToMobile", B, false},
    {57, "ShowInformationDialog", B, true}, {58, "ShowHistoryBar", B, true},
    {59, "AutoHistoryDelete", B, false}, {60, "LastDrawingItem", I, 5}, {61, "FigureType", I, 5},
    {62, "FigureLineType", I, 1}, {63, "FigureLineColor", I, -16776961},
    {64, "FigureFillColor", I, 0}, {65, "PenColor", I, -16776961},
    {66, "HighlighterColor", I, -16776961}, {67, "LineWidth", I, 3}, {68, "TextSize", I, 16},
    {69, "TextColor", I, -16777216}, {70, "TextStyle", I, 0}, {71, "MosaicStrength", I, 6},
};
// clang-format on

QVariant valueOf(const KestrelPreferences &preferences, int index)
{
    switch (preferences.typeAt(index)) {
    case PreferenceType::Bool:
        return preferences.getBool(index, false);
    case PreferenceType::Int:
        return preferences.getInt(index, 0);
    default:
        return preferences.getString(index, QString());
    }
}

QList<QSize> presets(int count, int height)
{
    QList<QSize> list;
    for (int i = 0; i < count; ++i)
        list << QSize(100 + i, height + i);
    return list;
}

// Stands in for the capture program: "presets" saves two size presets once, "rounds"
// saves LastSelRectWidth 50 times (600 to 649).
int capturePeer(const QStringList &arguments)
{
    KestrelPreferences preferences;
    preferences.initialize();
    if (arguments.value(0) == "presets") {
        preferences.setSizePresets(presets(2, 50));
        preferences.save();
    }
    for (int round = 0; arguments.value(0) == "rounds" && round < 50; ++round) {
        preferences.setInt(Slot::LastSelRectWidth, 600 + round);
        preferences.save();
    }
    return 0;
}

} // namespace

KESTREL_CHILD("capture-peer", capturePeer)

class tst_KestrelPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::resetRegistry(); }

    // A fresh profile reads the defaults, the first save stores exactly them, and the
    // lists are empty.
    void keyTable()
    {
        KestrelPreferences preferences;
        QVERIFY(preferences.initialize());
        QCOMPARE(preferences.save(), 69);
        QSettings stored(RegistrySettings::filePath(), QSettings::IniFormat);
        stored.beginGroup("software/norvane/kestrel/config");
        for (const KeyRow &row : kKeyTable) {
            QCOMPARE(preferences.keyAt(row.index), QString(row.key));
            QCOMPARE(preferences.typeAt(row.index), row.type);
            QCOMPARE(valueOf(preferences, row.index), row.value);
            const QVariant written = row.type == B ? row.value.toInt() : row.value;
            QCOMPARE(stored.value(row.key).toString(), written.toString());
        }
        for (int unused : {14, 15, 49})
            QCOMPARE(preferences.typeAt(unused), PreferenceType::None);
        QCOMPARE(preferences.save(), 0);

        QList<QSize> sizes {QSize(1, 1)};
        preferences.sizePresets(sizes);
        QVERIFY(sizes.isEmpty());
        for (const QString &path : {KestrelPreferences::kFigureFillCustomColorPath,
                                    KestrelPreferences::kFigureLineCustomColorPath,
                                    KestrelPreferences::kPenCustomColorPath,
                                    KestrelPreferences::kHighlighterCustomColorPath,
                                    KestrelPreferences::kTextCustomColorPath}) {
            QList<QColor> colors {Qt::blue};
            preferences.customColors(path, colors);
            QVERIFY2(colors.isEmpty(), qPrintable(path));
        }
    }

    void migration_data()
    {
        QTest::addColumn<QByteArray>("hideEditor");
        QTest::addColumn<bool>("migrated");
        QTest::newRow("on") << QByteArray("1") << true;
        QTest::newRow("off") << QByteArray("0") << false;
    }

    void migration()
    {
        QFETCH(QByteArray, hideEditor);
        QFETCH(bool, migrated);
        {
            KestrelPreferences everything;
            everything.initialize();
            everything.save();
        }
        QSettings(RegistrySettings::filePath(), QSettings::IniFormat)
                .setValue("software/norvane/kestrel/config/HideEditor", QString(hideEditor));

        KestrelPreferences preferences;
        preferences.initialize();
        QCOMPARE(preferences.getBool(Slot::HideEditor, true), false);
        QCOMPARE(preferences.getBool(Slot::SkipEditorWnd, !migrated), migrated);
        QCOMPARE(preferences.getBool(Slot::ShowFileDlgAfterCapture, !migrated), migrated);
        QCOMPARE(preferences.getBool(Slot::CopyToClipboard, false), true);
        // CopyToClipboard already held true: the migration changes three stored values.
        QCOMPARE(preferences.save(), migrated ? 3 : 0);
    }

    void sizePresetsLoad_data()
    {
        QTest::addColumn<QByteArrayList>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("gap") << QByteArrayList {"0\\width=100", "0\\height=9",  "1\\width=101",
                                                "1\\height=10", "3\\width=103", "3\\height=12"}
                             << 2;
        QTest::newRow("height missing")
                << QByteArrayList {"0\\width=100", "0\\height=9", "1\\width=101"} << 1;
    }

    void sizePresetsLoad()
    {
        QFETCH(QByteArrayList, stored);
        QFETCH(int, loaded);
        writeRegistryFile(registryText(stored, "sizepresets\\"));
        KestrelPreferences preferences;
        preferences.initialize();
        QList<QSize> sizes;
        preferences.sizePresets(sizes);
        QCOMPARE(sizes, presets(loaded, 9));
    }

    void sizePresetsSave_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("kept");
        QTest::newRow("five then three") << 5 << 3 << 3;
        QTest::newRow("two then eight") << 2 << 8 << 6;
    }

    void sizePresetsSave()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(int, kept);
        for (const QList<QSize> &list : {presets(before, 10), presets(after, 20)}) {
            KestrelPreferences preferences;
            preferences.initialize();
            preferences.setSizePresets(list);
            preferences.save();
        }
        QSettings stored(RegistrySettings::filePath(), QSettings::IniFormat);
        stored.beginGroup("software/norvane/kestrel/config/sizepresets");
        QCOMPARE(stored.childGroups().size(), kept);
        KestrelPreferences reader;
        reader.initialize();
        QList<QSize> loaded;
        reader.sizePresets(loaded);
        QCOMPARE(loaded, presets(kept, 20));
    }

    void customColors()
    {
        const QString path = KestrelPreferences::kPenCustomColorPath;
        writeRegistryFile(registryText(
                {"0\\CustomColor=2147483903", "1\\CustomColor=-16711936", "3\\CustomColor=0"},
                "pencustomcolor\\"));
        KestrelPreferences preferences;
        preferences.initialize();
        QList<QColor> colors;
        preferences.customColors(path, colors);
        QCOMPARE(colors, (QList<QColor> {QColor(255, 0, 0, 128), QColor(0, 255, 0)}));

        preferences.setCustomColors(path, {Qt::blue, Qt::white, Qt::black, Qt::gray, Qt::red});
        preferences.setCustomColors(path + "\\0", {Qt::red});
        preferences.save();
        KestrelPreferences reader;
        reader.initialize();
        reader.customColors(path, colors);
        QCOMPARE(colors, (QList<QColor> {Qt::blue, Qt::white, Qt::black, Qt::gray}));
        reader.customColors(KestrelPreferences::kTextCustomColorPath, colors);
        QVERIFY(colors.isEmpty());
        colors = {Qt::green};
        reader.customColors(path + "\\0", colors);
        QCOMPARE(colors, QList<QColor> {QColor(Qt::green)});
    }

    void colorEncoding_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<uint>("encoded");
        QTest::newRow("opaque red") << QColor(255, 0, 0) << 0xFF0000FFu;
        QTest::newRow("opaque black") << QColor(0, 0, 0) << 0xFF000000u;
        QTest::newRow("each byte") << QColor(1, 2, 3, 4) << 0x04030201u;
    }

    void colorEncoding()
    {
        QFETCH(QColor, color);
        QFETCH(uint, encoded);
        KestrelPreferences preferences;
        preferences.initialize();
        preferences.setColor(Slot::PenColor, color);
        QCOMPARE(preferences.getInt(Slot::PenColor, 0), int(encoded));
        QCOMPARE(preferences.getColor(Slot::PenColor, Qt::green), color);
        QCOMPARE(preferences.getColor(Slot::AutoSave, Qt::green), QColor(Qt::green));
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QByteArray noise(4096, '\0');
        QRandomGenerator generator(7);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        QTest::newRow("random bytes") << noise;
        QTest::newRow("random bytes in key") << registryText({noise});
        QTest::newRow("broken sections") << QByteArray("[[[\n]]]\n=\n[software\n==x\n");
        QTest::newRow("foreign variants")
                << registryText({"LineWidth=@Variant(\\0\\0\\0\\x7f\\0)"});
        QTest::newRow("long line") << registryText({"FilePath=" + QByteArray(1 << 20, 'x')});
        QTest::newRow("quality as number") << registryText({"JpgQuality=80"});
    }

    // Whatever the file holds, every slot keeps its type, and what is saved reads back.
    void damagedFile()
    {
        QFETCH(QByteArray, text);
        writeRegistryFile(text);
        KestrelPreferences preferences;
        QVERIFY(preferences.initialize());
        preferences.setInt(Slot::TextSize, 20);
        preferences.save();
        KestrelPreferences reader;
        QVERIFY(reader.initialize());
        for (const KeyRow &row : kKeyTable) {
            QCOMPARE(reader.typeAt(row.index), row.type);
            QCOMPARE(valueOf(reader, row.index), valueOf(preferences, row.index));
        }
        QCOMPARE(reader.getInt(Slot::TextSize, 0), 20);
        if (text.contains("JpgQuality"))
            QCOMPARE(reader.getString(Slot::JpgQuality, QString()), QString("80"));
    }

    // The capture program saves the same key while the editor runs and changes LineWidth
    // at every save; each keeps the other's values.
    void twoWriters_data()
    {
        QTest::addColumn<QString>("peerTask");
        QTest::addColumn<bool>("concurrent");
        QTest::newRow("peer changes presets") << "presets" << false;
        QTest::newRow("both at once") << "rounds" << true;
    }

    void twoWriters()
    {
        QFETCH(QString, peerTask);
        QFETCH(bool, concurrent);
        KestrelPreferences editor;
        editor.initialize();
        editor.save();
        QProcess peer;
        peer.start(QCoreApplication::applicationFilePath(),
                   QStringList {"--child", "capture-peer", peerTask});
        QVERIFY(peer.waitForStarted());
        bool peerDone = !concurrent && peer.waitForFinished(30000);
        int lineWidth = 10;
        for (int round = 0; round < 20 || !peerDone; ++round) {
            QVERIFY(round < 100000);
            peerDone = peerDone || peer.waitForFinished(0);
            editor.setInt(Slot::LineWidth, ++lineWidth);
            QCOMPARE(editor.save(), 1);
        }
        QCOMPARE(peer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(peer.exitCode(), 0);

        KestrelPreferences reader;
        reader.initialize();
        QCOMPARE(reader.getInt(Slot::LineWidth, 0), lineWidth);
        QList<QSize> sizes;
        reader.sizePresets(sizes);
        QCOMPARE(sizes, presets(concurrent ? 0 : 2, 50));
        QCOMPARE(reader.getInt(Slot::LastSelRectWidth, 0), concurrent ? 649 : 400);
    }

    void localeName()
    {
        QCOMPARE(KestrelPreferences::localeName(), QString("locale"));
        QVERIFY(KestrelPreferences::isForeignLocale());
        QTranslator korean;
        QVERIFY(korean.load(":/KestrelEditor_ko.qm"));
        QCoreApplication::installTranslator(&korean);
        const QString name = KestrelPreferences::localeName();
        const bool foreign = KestrelPreferences::isForeignLocale();
        QCoreApplication::removeTranslator(&korean);
        QCOMPARE(name, QString("ko-kr"));
        QVERIFY(!foreign);
    }
};

KESTREL_TEST(tst_KestrelPreferences)
#include "tst_KestrelPreferences.moc"

#include "preferences/KestrelPreferences.h"
#include "preferences/RegistryFile.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTranslator>

using Slot = KestrelPreferences::Slot;

namespace {

const QByteArray kConfigPrefix = "norvane\\kestrel\\config\\";

// The settings both programs share: the slot numbers travel with "/updateprefvalue".
struct KeyRow
{
    int index;
    const char *key;
    PreferenceType type;
    QVariant value;
};
const PreferenceType B = PreferenceType::Bool;
const PreferenceType I = PreferenceType::Int;
const PreferenceType S = PreferenceType::String;
// clang-format off
const KeyRow kKeyTable[] = {
    {0, "CopyToClipboard", B, true},         {1, "HideEditor", B, false},
    {2, "ShowOverlay", B, true},             {3, "TrayMode", B, true},
    {4, "AutoStart", B, true},               {5, "HotKeyMod", I, 6},
    {6, "HotKeyChar", I, 67},                {7, "HideButtons", B, false},
    {8, "FileFormat", I, 0},                 {9, "FileNameTamplate", S, "%Y%m%d_%H%M%S"},
    {10, "FileNameType", I, 1},              {11, "ToolFileName", S, ""},
    {12, "LineColor", I, -16776961},         {13, "DrawLine", B, false},
    {16, "SkipEditorNotice", B, false},      {17, "SkipTip", B, false},
    {18, "FilePath", S, ""},                 {19, "CaptureIncludeCursor", B, false},
    {20, "UsePrintScreen", B, true},         {21, "PrintScreenCaptureMode", I, 0},
    {22, "JpgQuality", S, "100"},            {23, "ShowPostSaveDlg", B, true},
    {24, "ShowPostSaveAllDlg", B, true},     {25, "UseHotKey", B, true},
    {26, "UseHotKey_W", B, true},            {27, "UseHotKey_C", B, true},
    {28, "UseHotKey_F", B, true},            {29, "UseHotKey_S", B, true},
    {30, "UseHotKey_FR", B, true},           {31, "HotKeyChar_W", I, 87},
    {32, "HotKeyChar_C", I, 68},             {33, "HotKeyChar_F", I, 65},
    {34, "HotKeyChar_S", I, 83},             {35, "HotKeyChar_FR", I, 70},
    {36, "HotKeyMod_W", I, 6},               {37, "HotKeyMod_C", I, 6},
    {38, "HotKeyMod_F", I, 6},               {39, "HotKeyMod_S", I, 6},
    {40, "HotKeyMod_FR", I, 6},              {41, "LastSelRectTop", I, -1},
    {42, "LastSelRectLeft", I, -1},          {43, "LastSelRectWidth", I, 400},
    {44, "LastSelRectHeight", I, 300},       {45, "LockCaptureSize", B, false},
    {46, "LockedSizeCx", I, -1},             {47, "LockedSizeCy", I, -1},
    {48, "AutoSave", B, false},              {50, "ShowFileDlgAfterCapture", B, false},
    {51, "SkipEditorWnd", B, false},         {52, "AutoSavePath", S, ""},
    {53, "NotifyDeleteHistory", B, true},    {54, "NotifyDeleteAllHistory", B, true},
    {55, "SkipExplainReceiveToPC", B, false},{56, "SkipExplainSendToMobile", B, false},
    {57, "ShowInformationDialog", B, true},  {58, "ShowHistoryBar", B, true},
    {59, "AutoHistoryDelete", B, false},     {60, "LastDrawingItem", I, 5},
    {61, "FigureType", I, 5},                {62, "FigureLineType", I, 1},
    {63, "FigureLineColor", I, -16776961},   {64, "FigureFillColor", I, 0},
    {65, "PenColor", I, -16776961},          {66, "HighlighterColor", I, -16776961},
    {67, "LineWidth", I, 3},                 {68, "TextSize", I, 16},
    {69, "TextColor", I, -16777216},         {70, "TextStyle", I, 0},
    {71, "MosaicStrength", I, 6},
};
// clang-format on

// A function, not a static list: the paths are themselves static objects of the library.
QStringList colorPaths()
{
    return {
            KestrelPreferences::kFigureFillCustomColorPath,
            KestrelPreferences::kFigureLineCustomColorPath,
            KestrelPreferences::kPenCustomColorPath,
            KestrelPreferences::kHighlighterCustomColorPath,
            KestrelPreferences::kTextCustomColorPath,
    };
}

QVariant valueOf(const KestrelPreferences &preferences, int index, PreferenceType type)
{
    switch (type) {
    case PreferenceType::Bool:
        return preferences.getBool(index, false);
    case PreferenceType::Int:
        return preferences.getInt(index, 0);
    default:
        return preferences.getString(index, QString());
    }
}

// "3=640x480" lines for the size presets of the registry file.
QByteArray presetLines(const QStringList &items)
{
    QByteArray text;
    for (const QString &item : items) {
        const QStringList parts = item.split(QRegularExpression("[=x]"));
        text += kConfigPrefix + "sizepresets\\" + parts[0].toLatin1()
                + "\\width=" + parts[1].toLatin1() + "\n";
        if (parts.size() > 2)
            text += kConfigPrefix + "sizepresets\\" + parts[0].toLatin1()
                    + "\\height=" + parts[2].toLatin1() + "\n";
    }
    return text;
}

// Helper process standing in for the capture program: "<slot>=<int>" values, an optional
// "presets=<w>x<h>,..." list, and "rounds=<n>" saves (each round adds the round number).
int capturePeer(const QStringList &arguments)
{
    KestrelPreferences preferences;
    preferences.initialize();
    int rounds = 1;
    QList<QPair<int, int>> values;
    for (const QString &argument : arguments) {
        const QString name = argument.section('=', 0, 0);
        const QString value = argument.section('=', 1);
        if (name == "rounds") {
            rounds = value.toInt();
        } else if (name == "presets") {
            QList<QSize> presets;
            for (const QString &size : value.split(','))
                presets << QSize(size.section('x', 0, 0).toInt(), size.section('x', 1).toInt());
            preferences.setSizePresets(presets);
        } else {
            values << qMakePair(name.toInt(), value.toInt());
        }
    }
    for (int round = 0; round < rounds; ++round) {
        for (const auto &value : values)
            preferences.setInt(value.first, value.second + round);
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

    void keyTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("value");
        for (const KeyRow &row : kKeyTable)
            QTest::newRow(row.key) << row.index << row.key << int(row.type) << row.value;
        for (int unused : {14, 15, 49})
            QTest::addRow("unused %d", unused) << unused << "" << 0 << QVariant(QString());
    }

    // A fresh profile reads the defaults, and the first save stores exactly them.
    void keyTable()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(int, type);
        QFETCH(QVariant, value);
        KestrelPreferences preferences;
        QVERIFY(preferences.initialize());
        QCOMPARE(preferences.keyAt(index), key);
        QCOMPARE(int(preferences.typeAt(index)), type);
        if (key.isEmpty())
            return;
        QCOMPARE(valueOf(preferences, index, PreferenceType(type)), value);
        preferences.save();
        QSettings stored(RegistrySettings::filePath(), QSettings::IniFormat);
        const QVariant written = stored.value("software/norvane/kestrel/config/" + key);
        QCOMPARE(written.toString(),
                 value.userType() == QMetaType::Bool ? QString::number(value.toInt())
                                                     : value.toString());
    }

    void freshProfile()
    {
        KestrelPreferences preferences;
        QVERIFY(preferences.initialize());
        QCOMPARE(preferences.count(), 72);
        QList<QSize> presets {QSize(1, 1)};
        preferences.sizePresets(presets);
        QVERIFY(presets.isEmpty());
        for (const QString &path : colorPaths()) {
            QList<QColor> colors {Qt::blue};
            preferences.customColors(path, colors);
            QVERIFY2(colors.isEmpty(), qPrintable(path));
        }
        QCOMPARE(preferences.save(), 69);
        QCOMPARE(preferences.save(), 0);

        KestrelPreferences reader;
        reader.initialize();
        QCOMPARE(reader.save(), 0);
    }

    void initializeRunsOnce()
    {
        KestrelPreferences preferences;
        QVERIFY(preferences.initialize());
        preferences.setInt(Slot::LineWidth, 9);
        QVERIFY(preferences.initialize());
        QCOMPARE(preferences.getInt(Slot::LineWidth, 0), 9);
    }

    void migration_data()
    {
        QTest::addColumn<QByteArray>("hideEditor");
        QTest::addColumn<bool>("migrated");
        QTest::newRow("on") << QByteArray("1") << true;
        QTest::newRow("on as text") << QByteArray("true") << true;
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
        // CopyToClipboard already held true, so the migration changes three values.
        QCOMPARE(preferences.save(), migrated ? 3 : 0);

        KestrelPreferences reader;
        reader.initialize();
        QCOMPARE(reader.getBool(Slot::SkipEditorWnd, !migrated), migrated);
        QCOMPARE(reader.save(), 0);
    }

    void sizePresetsLoad_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("gap") << QStringList {"0=1x2", "1=3x4", "3=5x6"} << 2;
        QTest::newRow("height missing") << QStringList {"0=1x2", "1=3"} << 1;
        QTest::newRow("beyond six")
                << QStringList {"0=1x2", "1=3x4", "2=5x6", "3=7x8", "4=9x10", "5=11x12", "6=13x14"}
                << 6;
        QTest::newRow("none") << QStringList() << 0;
    }

    void sizePresetsLoad()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, loaded);
        writeRegistryFile("[software]\n" + presetLines(stored));
        KestrelPreferences preferences;
        preferences.initialize();
        QList<QSize> presets;
        preferences.sizePresets(presets);
        QCOMPARE(presets.size(), loaded);
        for (int i = 0; i < loaded; ++i)
            QCOMPARE(presets[i], QSize(2 * i + 1, 2 * i + 2));
    }

    void sizePresetsSave_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("kept");
        QTest::newRow("five then three") << 5 << 3 << 3;
        QTest::newRow("three then none") << 3 << 0 << 0;
        QTest::newRow("two then eight") << 2 << 8 << 6;
    }

    void sizePresetsSave()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(int, kept);
        auto presets = [](int count, int offset) {
            QList<QSize> list;
            for (int i = 0; i < count; ++i)
                list << QSize(100 + i, offset + i);
            return list;
        };
        KestrelPreferences first;
        first.initialize();
        first.setSizePresets(presets(before, 10));
        first.save();
        KestrelPreferences second;
        second.initialize();
        second.setSizePresets(presets(after, 20));
        second.save();

        QSettings stored(RegistrySettings::filePath(), QSettings::IniFormat);
        stored.beginGroup("software/norvane/kestrel/config/sizepresets");
        QCOMPARE(stored.childGroups().size(), kept);
        KestrelPreferences reader;
        reader.initialize();
        QList<QSize> loaded;
        reader.sizePresets(loaded);
        QCOMPARE(loaded, presets(kept, 20));
    }

    void customColors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("group");
        QTest::newRow("figure fill") << colorPaths()[0] << QByteArray("FigureFillCustomColor");
        QTest::newRow("figure line") << colorPaths()[1] << QByteArray("FigureLineCustomColor");
        QTest::newRow("pen") << colorPaths()[2] << QByteArray("PenCustomColor");
        QTest::newRow("highlighter") << colorPaths()[3] << QByteArray("HighlighterCustomColor");
        QTest::newRow("text") << colorPaths()[4] << QByteArray("TextCustomColor");
    }

    // Key paths are stored folded to lower case.
    void customColors()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, group);
        const QByteArray prefix = kConfigPrefix + group.toLower() + "\\";
        writeRegistryFile("[software]\n" + prefix + "0\\CustomColor=2147483903\n" + prefix
                          + "1\\CustomColor=-16711936\n" + prefix + "3\\CustomColor=0\n");
        KestrelPreferences preferences;
        preferences.initialize();
        QList<QColor> colors;
        preferences.customColors(path, colors);
        QCOMPARE(colors, (QList<QColor> {QColor(255, 0, 0, 128), QColor(0, 255, 0)}));

        preferences.setCustomColors(path, {Qt::blue, Qt::white, Qt::black, Qt::gray, Qt::red});
        preferences.save();
        KestrelPreferences reader;
        reader.initialize();
        reader.customColors(path, colors);
        QCOMPARE(colors, (QList<QColor> {Qt::blue, Qt::white, Qt::black, Qt::gray}));
        for (const QString &other : colorPaths()) {
            reader.customColors(other, colors);
            QCOMPARE(colors.isEmpty(), other != path);
        }
    }

    void unknownColorPath()
    {
        KestrelPreferences preferences;
        preferences.initialize();
        preferences.setCustomColors("SOFTWARE\\Norvane\\Kestrel\\Config\\Nothing", {Qt::red});
        QList<QColor> colors {Qt::green};
        preferences.customColors("SOFTWARE\\Norvane\\Kestrel\\Config\\Nothing", colors);
        QCOMPARE(colors, QList<QColor> {QColor(Qt::green)});
    }

    void colorEncoding_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<qint64>("encoded");
        QTest::newRow("opaque red") << QColor(255, 0, 0) << qint64(0xFF0000FF);
        QTest::newRow("opaque black") << QColor(0, 0, 0) << qint64(0xFF000000);
        QTest::newRow("transparent") << QColor(0, 0, 0, 0) << qint64(0);
        QTest::newRow("half red") << QColor(255, 0, 0, 128) << qint64(0x800000FF);
        QTest::newRow("each byte") << QColor(1, 2, 3, 4) << qint64(0x04030201);
    }

    void colorEncoding()
    {
        QFETCH(QColor, color);
        QFETCH(qint64, encoded);
        const int stored = static_cast<qint32>(static_cast<quint32>(encoded));
        QCOMPARE(KestrelPreferences::encodeColor(color), stored);
        QCOMPARE(KestrelPreferences::decodeColor(stored), color);

        KestrelPreferences preferences;
        preferences.initialize();
        preferences.setColor(Slot::PenColor, color);
        QCOMPARE(preferences.getInt(Slot::PenColor, 0), stored);
        QCOMPARE(preferences.getColor(Slot::PenColor, Qt::green), color);
        QCOMPARE(preferences.getColor(Slot::AutoSave, Qt::green), QColor(Qt::green));
    }

    // Values another program or a person left in the shared key.
    void handEditedValues_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("index");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("quality as number") << QByteArray("JpgQuality=80") << 22 << QVariant("80");
        QTest::newRow("width as text") << QByteArray("LineWidth=thick") << 67 << QVariant(0);
        QTest::newRow("colour unsigned")
                << QByteArray("PenColor=4278190335") << 65 << QVariant(-16776961);
        QTest::newRow("switch as word") << QByteArray("AutoSave=true") << 48 << QVariant(true);
    }

    void handEditedValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, index);
        QFETCH(QVariant, expected);
        writeRegistryFile("[software]\n" + kConfigPrefix + line + "\n");
        KestrelPreferences preferences;
        preferences.initialize();
        const PreferenceType type = preferences.typeAt(index);
        QCOMPARE(valueOf(preferences, index, type), expected);
    }

    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QByteArray noise(4096, '\0');
        QRandomGenerator generator(7);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        QTest::newRow("random bytes") << noise;
        QTest::newRow("random bytes in section") << "[software]\n" + kConfigPrefix + noise;
        QTest::newRow("broken sections") << QByteArray("[[[\n]]]\n=\n[software\n==x\n");
        QTest::newRow("foreign variants") << "[software]\n" + kConfigPrefix
                        + "LineWidth=@Variant(\\0\\0\\0\\x7f\\0\\0)\n" + kConfigPrefix
                        + "AutoSave=@Rect(1 2 3 4)\n" + kConfigPrefix
                        + "SizePresets\\0\\width=@Invalid()\n";
        QTest::newRow("long line")
                << "[software]\n" + kConfigPrefix + "FilePath=" + QByteArray(1 << 20, 'x') + "\n";
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
            QCOMPARE(valueOf(reader, row.index, row.type),
                     valueOf(preferences, row.index, row.type));
        }
        QCOMPARE(reader.getInt(Slot::TextSize, 0), 20);
    }

    // The capture program saves the same key while the editor runs; each keeps the other's
    // values. The editor itself changes LineWidth on every save.
    void twoWriters_data()
    {
        QTest::addColumn<QStringList>("peerArguments");
        QTest::addColumn<bool>("concurrent");
        QTest::newRow("peer saves first") << QStringList {"48=1", "43=640"} << false;
        QTest::newRow("peer changes presets") << QStringList {"presets=10x20,30x40"} << false;
        QTest::newRow("both at once") << QStringList {"43=600", "rounds=50"} << true;
    }

    void twoWriters()
    {
        QFETCH(QStringList, peerArguments);
        QFETCH(bool, concurrent);
        KestrelPreferences editor;
        editor.initialize();
        QCOMPARE(editor.save(), 69);

        QProcess peer;
        peer.start(QCoreApplication::applicationFilePath(),
                   QStringList {"--child", "capture-peer"} + peerArguments);
        QVERIFY(peer.waitForStarted());
        if (!concurrent)
            QVERIFY(peer.waitForFinished(30000));
        // Keep saving until the peer is done, so the two really overlap.
        int lineWidth = 10;
        bool peerDone = !concurrent;
        for (int round = 0; round < 20 || !peerDone; ++round) {
            QVERIFY(round < 100000);
            peerDone = peerDone || peer.waitForFinished(0);
            editor.setInt(Slot::LineWidth, ++lineWidth);
            QCOMPARE(editor.save(), 1);
        }
        QVERIFY(peerDone || peer.waitForFinished(30000));
        QCOMPARE(peer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(peer.exitCode(), 0);

        KestrelPreferences reader;
        reader.initialize();
        QCOMPARE(reader.getInt(Slot::LineWidth, 0), lineWidth);
        for (const QString &argument : peerArguments) {
            const int index = argument.section('=', 0, 0).toInt();
            if (argument.startsWith("presets")) {
                QList<QSize> presets;
                reader.sizePresets(presets);
                QCOMPARE(presets, (QList<QSize> {QSize(10, 20), QSize(30, 40)}));
            } else if (argument.startsWith("rounds")) {
                QCOMPARE(reader.getInt(43, 0), 600 + 49);
            } else if (!concurrent) {
                QCOMPARE(valueOf(reader, index, reader.typeAt(index)).toInt(),
                         argument.section('=', 1).toInt());
            }
        }
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

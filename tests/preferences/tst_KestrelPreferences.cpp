#include "preferences/KestrelPreferences.h"
#include "preferences/RegistryFile.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

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

// The values shared with the capture program, as "index key type default" (B, I or S).
const char kKeyTable[] = R"(0 CopyToClipboard B 1;1 HideEditor B 0;2 ShowOverlay B 1;3 TrayMode B 1;
4 AutoStart B 1;5 HotKeyMod I 6;6 HotKeyChar I 67;7 HideButtons B 0;8 FileFormat I 0;
9 FileNameTamplate S %Y%m%d_%H%M%S;10 FileNameType I 1;11 ToolFileName S ;12 LineColor I -16776961;
13 DrawLine B 0;16 SkipEditorNotice B 0;17 SkipTip B 0;18 FilePath S ;19 CaptureIncludeCursor B 0;
20 UsePrintScreen B 1;21 PrintScreenCaptureMode I 0;22 JpgQuality S 100;23 ShowPostSaveDlg B 1;
24 ShowPostSaveAllDlg B 1;25 UseHotKey B 1;26 UseHotKey_W B 1;27 UseHotKey_C B 1;28 UseHotKey_F B 1;
29 UseHotKey_S B 1;30 UseHotKey_FR B 1;31 HotKeyChar_W I 87;32 HotKeyChar_C I 68;33 HotKeyChar_F I 65;
34 HotKeyChar_S I 83;35 HotKeyChar_FR I 70;36 HotKeyMod_W I 6;37 HotKeyMod_C I 6;38 HotKeyMod_F I 6;
39 HotKeyMod_S I 6;40 HotKeyMod_FR I 6;41 LastSelRectTop I -1;42 LastSelRectLeft I -1;
43 LastSelRectWidth I 400;44 LastSelRectHeight I 300;45 LockCaptureSize B 0;46 LockedSizeCx I -1;
47 LockedSizeCy I -1;48 AutoSave B 0;50 ShowFileDlgAfterCapture B 0;51 SkipEditorWnd B 0;
52 AutoSavePath S ;53 NotifyDeleteHistory B 1;54 NotifyDeleteAllHistory B 1;
55 SkipExplainReceiveToPC B 0;56 SkipExplainSendToMobile B 0;57 ShowInformationDialog B 1;
58 ShowHistoryBar B 1;59 AutoHistoryDelete B 0;60 LastDrawingItem I 5;61 FigureType I 5;
62 FigureLineType I 1;63 FigureLineColor I -16776961;64 FigureFillColor I 0;65 PenColor I -16776961;
66 HighlighterColor I -16776961;67 LineWidth I 3;68 TextSize I 16;69 TextColor I -16777216;
70 TextStyle I 0;71 MosaicStrength I 6)";

struct KeyRow
{
    int index;
    QString key;
    PreferenceType type;
    QVariant value;
};

QVector<KeyRow> keyTable()
{
    QVector<KeyRow> rows;
    for (const QString &row : QString(kKeyTable).remove('\n').split(';')) {
        const QStringList f = row.split(' ');
        const PreferenceType type = f[2] == "B" ? PreferenceType::Bool
                : f[2] == "I"                   ? PreferenceType::Int
                                                : PreferenceType::String;
        const QVariant value = type == PreferenceType::Bool ? QVariant(f[3] == "1")
                : type == PreferenceType::Int               ? QVariant(f[3].toInt())
                                                            : QVariant(f[3]);
        rows.append({f[0].toInt(), f[1], type, value});
    }
    return rows;
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
    void freshProfile()
    {
        KestrelPreferences preferences;
        QVERIFY(preferences.initialize());
        QCOMPARE(preferences.save(), 69);
        QSettings stored(RegistrySettings::filePath(), QSettings::IniFormat);
        stored.beginGroup("software/norvane/kestrel/config");
        const QVector<KeyRow> rows = keyTable();
        QCOMPARE(rows.size(), 69);
        for (const KeyRow &row : rows) {
            QCOMPARE(preferences.keyAt(row.index), row.key);
            QCOMPARE(preferences.typeAt(row.index), row.type);
            QCOMPARE(valueOf(preferences, row.index), row.value);
            const QVariant written =
                    row.value.userType() == QMetaType::Bool ? row.value.toInt() : row.value;
            QCOMPARE(stored.value(row.key).toString(), written.toString());
        }
        QCOMPARE(preferences.save(), 0);

        QList<QSize> sizes {QSize(1, 1)};
        preferences.sizePresets(sizes);
        QVERIFY(sizes.isEmpty());
        QList<QColor> colors {Qt::blue};
        preferences.customColors(KestrelPreferences::kTextCustomColorPath, colors);
        QVERIFY(colors.isEmpty());
    }

    void migration_data()
    {
        QTest::addColumn<QString>("hideEditor");
        QTest::newRow("on") << "1";
        QTest::newRow("off") << "0";
    }

    void migration()
    {
        QFETCH(QString, hideEditor);
        const bool migrated = hideEditor == "1";
        {
            KestrelPreferences everything;
            everything.initialize();
            everything.save();
        }
        QSettings(RegistrySettings::filePath(), QSettings::IniFormat)
                .setValue("software/norvane/kestrel/config/HideEditor", hideEditor);

        KestrelPreferences preferences;
        preferences.initialize();
        QCOMPARE(preferences.getBool(Slot::HideEditor, true), false);
        QCOMPARE(preferences.getBool(Slot::SkipEditorWnd, !migrated), migrated);
        QCOMPARE(preferences.getBool(Slot::ShowFileDlgAfterCapture, !migrated), migrated);
        QCOMPARE(preferences.getBool(Slot::CopyToClipboard, false), true);
        // CopyToClipboard already held true: the migration changes three stored values.
        QCOMPARE(preferences.save(), migrated ? 3 : 0);
    }

    void sizePresets()
    {
        writeRegistryFile(registryText({"0\\width=100", "0\\height=9", "1\\width=101",
                                        "1\\height=10", "3\\width=103", "3\\height=12"},
                                       "sizepresets\\"));
        KestrelPreferences preferences;
        preferences.initialize();
        QList<QSize> sizes;
        preferences.sizePresets(sizes);
        QCOMPARE(sizes, presets(2, 9)); // loading stops at the gap
        QSettings stored(RegistrySettings::filePath(), QSettings::IniFormat);
        stored.beginGroup("software/norvane/kestrel/config/sizepresets");
        for (const int count : {8, 3}) {
            preferences.setSizePresets(presets(count, 20));
            preferences.save();
            stored.sync();
            QCOMPARE(stored.childGroups().size(), qMin(count, 6));
        }
        KestrelPreferences reader;
        reader.initialize();
        reader.sizePresets(sizes);
        QCOMPARE(sizes, presets(3, 20));
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
        preferences.setCustomColors(path + "\\0", {Qt::red}); // no such list
        preferences.setColor(Slot::PenColor, QColor(1, 2, 3, 4));
        QCOMPARE(preferences.getInt(Slot::PenColor, 0), 0x04030201);
        QCOMPARE(preferences.getColor(Slot::AutoSave, Qt::green), QColor(Qt::green));
        preferences.save();
        KestrelPreferences reader;
        reader.initialize();
        reader.customColors(path, colors);
        QCOMPARE(colors, (QList<QColor> {Qt::blue, Qt::white, Qt::black, Qt::gray}));
        QCOMPARE(reader.getColor(Slot::PenColor, Qt::green), QColor(1, 2, 3, 4));
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
        QTest::newRow("foreign variant") << registryText({"LineWidth=@Variant(\\0\\0\\0\\x7f\\0)"});
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
        for (const KeyRow &row : keyTable()) {
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
        QTest::newRow("peer changes presets") << "presets";
        QTest::newRow("both at once") << "rounds";
    }

    void twoWriters()
    {
        QFETCH(QString, peerTask);
        const bool concurrent = peerTask == "rounds";
        KestrelPreferences editor;
        editor.initialize();
        editor.save();
        QProcess peer;
        peer.start(QCoreApplication::applicationFilePath(), {"--child", "capture-peer", peerTask});
        QVERIFY(peer.waitForStarted());
        bool peerDone = !concurrent && peer.waitForFinished(30000);
        int lineWidth = 10;
        for (int round = 0; round < 20 || !peerDone; ++round) {
            QVERIFY(round < 100000);
            peerDone = peerDone || peer.waitForFinished(0);
            editor.setInt(Slot::LineWidth, ++lineWidth);
            QCOMPARE(editor.save(), 1);
        }
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

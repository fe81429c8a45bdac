#include "preferences/KestrelPreferences.h"
#include "preferences/Preferences.h"
#include "preferences/RegistryFile.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QTest>

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

// A value of every slot as text, booleans as 0 or 1 as they are stored.
QString textOf(const Preferences &preferences, int index)
{
    const QVariant value = valueOf(preferences, index);
    return value.userType() == QMetaType::Bool ? QString::number(value.toInt()) : value.toString();
}

QList<QSize> presets(int count, int height)
{
    QList<QSize> list;
    for (int i = 0; i < count; ++i)
        list << QSize(100 + i, height + i);
    return list;
}

// A key table of the store base's own, under a key of its own.
const QString kRoot = QStringLiteral("HKEY_CURRENT_USER\\");
const QString kPath = QStringLiteral("SOFTWARE\\Norvane\\Test");

enum { NumberSlot, SwitchSlot, TextSlot, UnusedSlot, SlotCount };

void declare(Preferences &preferences)
{
    preferences.init(SlotCount);
    preferences.registerInt(NumberSlot, "Number", 5);
    preferences.registerBool(SwitchSlot, "Switch", true);
    preferences.registerString(TextSlot, "Text", "abc");
}

QString storedText(const QString &name)
{
    return RegistrySettings::open(kRoot + kPath)->value(name).toString();
}

} // namespace

class tst_KestrelPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::resetRegistry(); }

    // The caller's defaults are -7, false and "default".
    void typedGetters_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("intResult");
        QTest::addColumn<bool>("boolResult");
        QTest::addColumn<QString>("stringResult");
        QTest::newRow("integer slot") << int(NumberSlot) << 5 << true << "default";
        QTest::newRow("boolean slot") << int(SwitchSlot) << -7 << true << "default";
        QTest::newRow("string slot") << int(TextSlot) << -7 << false << "abc";
        QTest::newRow("undeclared slot") << int(UnusedSlot) << -7 << false << "default";
        QTest::newRow("negative index") << -1 << -7 << false << "default";
        QTest::newRow("index at count") << int(SlotCount) << -7 << false << "default";
    }

    void typedGetters()
    {
        QFETCH(int, index);
        Preferences preferences;
        declare(preferences);
        QTEST(preferences.getInt(index, -7), "intResult");
        QTEST(preferences.getBool(index, false), "boolResult");
        QTEST(preferences.getString(index, "default"), "stringResult");
    }

    // Each row applies its values in turn to a slot that was just saved.
    void changeTracking_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("stored");
        QTest::newRow("same number") << int(NumberSlot) << QVariantList {5} << 0 << "5";
        QTest::newRow("new and back") << int(NumberSlot) << QVariantList {6, 5} << 1 << "5";
        QTest::newRow("same text") << int(TextSlot) << QVariantList {"abc"} << 0 << "abc";
        QTest::newRow("text case") << int(TextSlot) << QVariantList {"ABC"} << 1 << "ABC";
        QTest::newRow("switch off") << int(SwitchSlot) << QVariantList {false} << 1 << "0";
    }

    void changeTracking()
    {
        QFETCH(int, index);
        QFETCH(QVariantList, values);
        Preferences preferences;
        declare(preferences);
        QCOMPARE(preferences.save(kRoot, kPath), 3);
        for (const QVariant &value : values) {
            if (value.userType() == QMetaType::Bool)
                preferences.setBool(index, value.toBool());
            else if (value.userType() == QMetaType::QString)
                preferences.setString(index, value.toString());
            else
                preferences.setInt(index, value.toInt());
        }
        QTEST(preferences.save(kRoot, kPath), "written");
        QTEST(storedText(preferences.keyAt(index)), "stored");
        QCOMPARE(preferences.save(kRoot, kPath), 0);
    }

    // Values as another program or a hand edit may have left them.
    void loadConverts_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("index");
        QTest::addColumn<QVariant>("expected");
        // clang-format off
        QTest::newRow("unsigned dword") << QByteArray("Number=4294967295") << int(NumberSlot) << QVariant(-1);
        QTest::newRow("too wide") << QByteArray("Number=4294967297") << int(NumberSlot) << QVariant(0);
        QTest::newRow("not a number") << QByteArray("Number=twelve") << int(NumberSlot) << QVariant(0);
        QTest::newRow("foreign type") << QByteArray("Number=@Size(3 4)") << int(NumberSlot) << QVariant(0);
        QTest::newRow("switch 2") << QByteArray("Switch=2") << int(SwitchSlot) << QVariant(true);
        QTest::newRow("switch 00") << QByteArray("Switch=00") << int(SwitchSlot) << QVariant(false);
        QTest::newRow("switch empty") << QByteArray("Switch=") << int(SwitchSlot) << QVariant(false);
        QTest::newRow("text stored as a number") << QByteArray("Text=80") << int(TextSlot) << QVariant("80");
        QTest::newRow("text with a comma") << QByteArray("Text=/tmp/a,b") << int(TextSlot) << QVariant("/tmp/a,b");
        // clang-format on
    }

    void loadConverts()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, index);
        writeRegistryFile("[software]\nnorvane\\test\\" + line + "\n");
        Preferences preferences;
        declare(preferences);
        QCOMPARE(preferences.load(kRoot, kPath), 1);
        QTEST(valueOf(preferences, index), "expected");
        // What was read is synced; the missing values keep their defaults and stay pending.
        QCOMPARE(preferences.save(kRoot, kPath), 2);
    }

    // A save that cannot reach the file must not pass for done: its values stay pending.
    void failedSaveStaysPending()
    {
        const QString folder = QFileInfo(RegistrySettings::filePath()).path();
        QDir(folder).removeRecursively();
        QVERIFY(writeBytes(folder, QByteArray())); // a file where the folder should be
        Preferences preferences;
        declare(preferences);
        QCOMPARE(preferences.save(kRoot, kPath), 0);
        QVERIFY(!preferences.isSynced(NumberSlot));

        QVERIFY(QFile::remove(folder));
        QCOMPARE(preferences.save(kRoot, kPath), 3);
        QCOMPARE(storedText("Number"), QString("5"));
    }

    // A fresh profile reads the defaults, the first save stores exactly them, and the
    // lists are empty.
    void freshProfile()
    {
        KestrelPreferences preferences;
        QVERIFY(preferences.initialize());
        QCOMPARE(preferences.save(), 69);
        QCOMPARE(preferences.save(), 0);
        const int B = int(PreferenceType::Bool), I = int(PreferenceType::Int),
                  S = int(PreferenceType::String), none = int(PreferenceType::None);
        const struct
        {
            int index;
            const char *key;
            int type;
            const char *value;
        } samples[] = {
                {0, "CopyToClipboard", B, "1"},    {9, "FileNameTamplate", S, "%Y%m%d_%H%M%S"},
                {12, "LineColor", I, "-16776961"}, {14, "", none, ""},
                {22, "JpgQuality", S, "100"},      {35, "HotKeyChar_FR", I, "70"},
                {71, "MosaicStrength", I, "6"}};
        for (const auto &sample : samples) {
            QCOMPARE(preferences.keyAt(sample.index), QString(sample.key));
            QCOMPARE(int(preferences.typeAt(sample.index)), sample.type);
            QCOMPARE(textOf(preferences, sample.index), QString(sample.value));
        }
        const auto stored = RegistrySettings::open(RegistrySettings::kCurrentUserRoot
                                                   + KestrelPreferences::kConfigPath);
        QCOMPARE(stored->childKeys().size(), 69);
        for (int slot = 0; slot < Slot::SlotCount; ++slot) {
            if (!preferences.keyAt(slot).isEmpty())
                QCOMPARE(stored->value(preferences.keyAt(slot)).toString(),
                         textOf(preferences, slot));
        }
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
        RegistrySettings::open(RegistrySettings::kCurrentUserRoot + KestrelPreferences::kConfigPath)
                ->setValue("HideEditor", hideEditor);

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
        const auto stored = RegistrySettings::open(RegistrySettings::kCurrentUserRoot
                                                   + KestrelPreferences::kSizePresetsPath);
        for (const int count : {8, 3}) {
            preferences.setSizePresets(presets(count, 20));
            preferences.save();
            QVERIFY(stored->sync());
            QCOMPARE(stored->childGroups().size(), qMin(count, 6));
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

    // The capture program saves the same key while the editor runs and changes LineWidth
    // at every save; each keeps the other's values.
    void twoWriters()
    {
        KestrelPreferences editor;
        editor.initialize();
        editor.save();
        QProcess peer;
        peer.start(KESTREL_FIXTURES_DIR "/settings_peer", {});
        QVERIFY(peer.waitForStarted());
        // At least one save after the peer finished: it must not undo the peer's values.
        bool peerDone = false;
        int lineWidth = 10;
        for (int round = 0; round < 20 || !peerDone; ++round) {
            QVERIFY(round < 100000);
            // A short pause between saves lets the peer take the settings lock: it backs
            // off longer after each refusal and would otherwise wait for many seconds.
            peerDone = peerDone || peer.waitForFinished(5);
            editor.setInt(Slot::LineWidth, ++lineWidth);
            QCOMPARE(editor.save(), 1);
        }
        QCOMPARE(peer.exitCode(), 0);

        KestrelPreferences reader;
        reader.initialize();
        QCOMPARE(reader.getInt(Slot::LineWidth, 0), lineWidth);
        QCOMPARE(reader.getInt(Slot::LastSelRectWidth, 0), 649);
        QList<QSize> sizes;
        reader.sizePresets(sizes);
        QCOMPARE(sizes, presets(2, 50));
    }
};

QTEST_MAIN(tst_KestrelPreferences)
#include "tst_KestrelPreferences.moc"

#include "preferences/Preferences.h"
#include "preferences/RegistryFile.h"
#include "support/TestEnvironment.h"

#include <QTest>

namespace {

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

class tst_Preferences : public QObject
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
        QFETCH(int, intResult);
        QFETCH(bool, boolResult);
        QFETCH(QString, stringResult);
        Preferences preferences;
        declare(preferences);
        QCOMPARE(preferences.getInt(index, -7), intResult);
        QCOMPARE(preferences.getBool(index, false), boolResult);
        QCOMPARE(preferences.getString(index, "default"), stringResult);
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
        QFETCH(int, written);
        QFETCH(QString, stored);
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
        QCOMPARE(preferences.save(kRoot, kPath), written);
        QCOMPARE(storedText(preferences.keyAt(index)), stored);
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
        QTest::newRow("too wide") << QByteArray("Number=4294967296") << int(NumberSlot) << QVariant(0);
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
        QFETCH(QVariant, expected);
        writeRegistryFile("[software]\nnorvane\\test\\" + line + "\n");
        Preferences preferences;
        declare(preferences);
        QCOMPARE(preferences.load(kRoot, kPath), 1);
        QCOMPARE(valueOf(preferences, index), expected);
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
};

QTEST_MAIN(tst_Preferences)
#include "tst_Preferences.moc"

#include "output/FileNameFormatSettingDialog.h"
#include "output/FileNameUtil.h"
#include "output/WriteFileAtomically.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

// "name" is a file holding "theirs", "name/" a folder, "name@" a link to nowhere.
void makeEntries(const QString &dir, const QStringList &entries)
{
    for (QString entry : entries) {
        const QChar kind = entry.back();
        if (kind == '/' || kind == '@')
            entry.chop(1);
        const QString path = dir + '/' + entry;
        if (kind == '/')
            QVERIFY(QDir().mkpath(path));
        else if (kind == '@')
            QVERIFY(QFile::link(dir + "/nowhere", path));
        else
            QVERIFY(WriteFileAtomically(path, [](QIODevice &f) { return f.write("theirs") == 6; }));
    }
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("absent");
}

// "{fmt}" in an expected name stands for the current time in that format.
QString expand(QString expected)
{
    const QRegularExpressionMatch date = QRegularExpression("\\{(.*)\\}").match(expected);
    if (date.hasMatch())
        expected.replace(date.captured(0), QDateTime::currentDateTime().toString(date.captured(1)));
    return expected;
}

} // namespace

class tst_FileNameUtil : public QObject
{
    Q_OBJECT

    KestrelPreferences preferences_;
    FileNameUtil util_ {&preferences_};
    QTemporaryDir dir_;

    void use(int type, const QString &nameTemplate, int fileFormat = 0)
    {
        preferences_.setInt(KestrelPreferences::FileNameType, type);
        preferences_.setString(KestrelPreferences::FileNameTemplate, nameTemplate);
        preferences_.setInt(KestrelPreferences::FileFormat, fileFormat);
    }

private slots:
    void initTestCase() { QVERIFY(preferences_.initialize()); }
    void init() { QVERIFY(dir_.remove() && QDir().mkpath(dir_.path())); }

    void fileName_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("nameTemplate");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("folderTail");
        QTest::addColumn<QString>("expected"); // after the folder
        // clang-format off
        row("legacy tokens", 1, QString("%Y-%m-%d"), QStringList(), QString(), QString("/{yyyy-MM-dd}"));
        row("serial", 2, QString(), QStringList(), QString(), QString("/0001"));
        row("serial, trailing slash", 2, QString(), QStringList(), QString("/"), QString("/0001"));
        row("backslash is no separator here", 2, QString(), QStringList(), QString("\\"), QString("\\/0001"));
        row("after 0001 and 0002", 2, QString(), QStringList{"0001.png", "0002.png"}, QString(), QString("/0003"));
        row("other extension is free", 2, QString(), QStringList{"0001.jpg"}, QString(), QString("/0001"));
        row("folder skipped", 2, QString(), QStringList{"0001.png/"}, QString(), QString("/0002"));
        row("dangling link skipped", 2, QString(), QStringList{"0001.png@"}, QString(), QString("/0002"));
        row("empty custom text numbers", 0, QString(), QStringList{"0001.png"}, QString(), QString("/0002"));
        row("custom text", 0, QString("shot"), QStringList(), QString(), QString("/shot"));
        row("custom text is not dated", 0, QString("%Y shot"), QStringList(), QString(), QString("/yyyy shot"));
        row("separators and ..", 0, QString("../up/../..\\x"), QStringList(), QString(), QString("/__up_____x"));
        row("refused and control", 0, QString("a:b*c?\"d<e>f|g\th\x01"), QStringList(), QString(), QString("/a_b_c__d_e_f_g_h_"));
        row("a dot alone", 0, QString("."), QStringList(), QString(), QString("/_"));
        row("separator from a date", 1, QString("yyyy/MM"), QStringList(), QString(), QString("/{yyyy_MM}"));
        row("blank text falls back", 0, QString("  "), QStringList(), QString(), QString("/Kestrel"));
        row("empty date falls back", 1, QString(), QStringList(), QString(), QString("/Kestrel"));
        row("unknown type falls back", 7, QString("x"), QStringList(), QString(), QString("/Kestrel"));
        // clang-format on
    }

    void fileName()
    {
        QFETCH(int, type);
        QFETCH(QString, nameTemplate);
        QFETCH(QStringList, present);
        QFETCH(QString, folderTail);
        QFETCH(QString, expected);
        use(type, nameTemplate);
        makeEntries(dir_.path(), present);
        QCOMPARE(util_.fileName(dir_.path() + folderTail), dir_.path() + expand(expected));
    }

    // Names of a multi-save, reserved one after the other; what was there stays, and so
    // does a file that appears after the first name was chosen.
    void numberedNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("fileFormat");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("appears");
        QTest::addColumn<QStringList>("expected");
        // clang-format off
        row("shot_1, shot_2", 0, 0, QStringList{"shot.png"}, false, QStringList{"shot_1.png", "shot_2.png"});
        row("taken tails skipped", 0, 0, QStringList{"shot_1.png", "shot_2.png/"}, false, QStringList{"shot_3.png", "shot_4.png"});
        row("gif", 0, 3, QStringList(), false, QStringList{"shot_1.gif", "shot_2.gif"});
        row("serial", 2, 1, QStringList{"0001.jpg", "0002.jpg/"}, false, QStringList{"0003.jpg", "0004.jpg"});
        row("race, text", 0, 0, QStringList(), true, QStringList{"shot_2.png", "shot_3.png"});
        row("race, serial", 2, 0, QStringList(), true, QStringList{"0002.png", "0003.png"});
        // clang-format on
    }

    void numberedNames()
    {
        QFETCH(int, type);
        QFETCH(int, fileFormat);
        QFETCH(QStringList, present);
        QFETCH(bool, appears);
        QFETCH(QStringList, expected);
        use(type, type ? QString() : QString("shot"), fileFormat);
        makeEntries(dir_.path(), present);
        const QString base = util_.fileName(dir_.path());
        const QString chosen = util_.numberedFileName(base);
        if (appears)
            present << QFileInfo(chosen).fileName();
        makeEntries(dir_.path(), present.mid(present.size() - appears));
        for (const QString &name : expected) {
            ReservedFile file = util_.reserveNumberedFileName(base);
            QCOMPARE(file.path(), dir_.path() + '/' + name);
            file.keep();
        }
        for (const QString &entry : present) {
            if (!entry.endsWith('/'))
                QCOMPARE(contents(dir_.path() + '/' + entry), QByteArray("theirs"));
        }
    }

    // The writer's side of an automatic save's reservation: a placeholder nobody filled
    // does not stay, and a file that held the name meanwhile is passed over.
    void reservationContract_data()
    {
        QTest::addColumn<bool>("writes");
        QTest::addColumn<bool>("keeps");
        QTest::addColumn<QByteArray>("left");
        row("filled and kept", true, true, QByteArray("image"));
        row("filled, keep forgotten", true, false, QByteArray("image"));
        row("write failed", false, false, QByteArray("absent"));
    }

    void reservationContract()
    {
        QFETCH(bool, writes);
        QFETCH(bool, keeps);
        use(0, "shot");
        makeEntries(dir_.path(), {"shot.png"});
        const QString path = dir_.path() + "/new/shot.png";
        {
            ReservedFile file = util_.reserveFileName(dir_.path() + "/new");
            QCOMPARE(file.path(), path);
            QCOMPARE(util_.reserveFileName(dir_.path()).path(), dir_.path() + "/shot_1.png");
            QCOMPARE(WriteFileAtomically(path,
                                         [&](QIODevice &f) { return writes && f.write("image"); }),
                     writes);
            if (keeps)
                file.keep();
        }
        QTEST(contents(path), "left");
        QCOMPARE(contents(dir_.path() + "/shot.png"), QByteArray("theirs"));
    }

    void noNameWhereNothingCanBeCreated()
    {
        use(0, "shot");
        makeEntries(dir_.path(), {"file"});
        QVERIFY(!util_.reserveFileName(dir_.path() + "/file/sub").isValid());
        QVERIFY(!util_.reserveNumberedFileName(dir_.path() + "/missing/shot").isValid());
        use(0, "shot", 9);
        QVERIFY(!util_.reserveFileName(dir_.path()).isValid());
    }

    // Fifty names over forty-nine birds, real names in English and in Korean.
    void birdNames()
    {
        QTranslator korean;
        QVERIFY(korean.load(":/KestrelEditor_ko.qm"));
        for (const bool translated : {false, true}) {
            if (translated)
                QCoreApplication::installTranslator(&korean);
            const QStringList names = FileNameUtil::birdNames();
            QCoreApplication::removeTranslator(&korean);
            QCOMPARE(names.size(), 50);
            QCOMPARE(names[40], names[41]);
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 49);
            for (const QString &name : names)
                QVERIFY2(name.contains(QRegularExpression("^[A-Za-z -]+$")) != translated,
                         qPrintable(name));
        }
    }

    // Only a free name is given; with all fifty taken the name is the fallback.
    void birdNameTakesOnlyFreeNames()
    {
        use(3, "BIRDNAME");
        QStringList names = FileNameUtil::birdNames();
        QRandomGenerator random(7);
        QStringList shuffled = FileNameUtil::shuffledBirdNames(random);
        QVERIFY(shuffled != names);
        shuffled.sort();
        names.sort();
        QCOMPARE(shuffled, names);
        const QString last = names.takeAt(17);
        for (QString &name : names)
            name += ".png";
        makeEntries(dir_.path(), names);
        QCOMPARE(util_.birdName(dir_.path()), dir_.path() + '/' + last);
        makeEntries(dir_.path(), {last + ".png"});
        QCOMPARE(util_.fileName(dir_.path()), dir_.path() + "/Kestrel");
    }

    // The format dialog opens on the stored pair: a ready-made format, or the user's text.
    void formatDialog_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("legacy");
        row("ready-made date", 1, QString("yyyy-MM-dd"), 3);
        row("bird names", 3, QString("BIRDNAME"), 5);
        row("serial", 2, QString(), 6);
        row("other date", 1, QString("YYYY-MM-DD"), 0);
        row("own text", 0, QString("yyyyMMdd_HHmmss"), -1);
        row("empty date", 1, QString(), -1);
    }

    void formatDialog()
    {
        QFETCH(int, type);
        QFETCH(QString, format);
        QFETCH(int, legacy);
        const FileNameFormatSettingDialog dialog(type, format);
        const auto combo = dialog.findChild<QComboBox *>("legacyFormats_");
        QCOMPARE(combo->isEnabled(), legacy >= 0);
        QCOMPARE(dialog.findChild<QLineEdit *>("userFormat_")->isEnabled(), legacy < 0);
        QCOMPARE(combo->currentIndex(), qMax(legacy, 0));
        QCOMPARE(dialog.type(), legacy >= 0 ? FileNameUtil::legacyFormats()[legacy].type : 0);
        QCOMPARE(dialog.format(), legacy == 0 ? "yyyyMMdd_HHmmss" : format);
    }
};

QTEST_MAIN(tst_FileNameUtil)
#include "tst_FileNameUtil.moc"

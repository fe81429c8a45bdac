#include "platform/RegistrySettings.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <climits>

namespace {

const QString kNorvane = QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane");

QString turnPath()
{
    return RegistrySettings::filePath() + ".turn";
}

} // namespace

class tst_RegistrySettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        QFile::remove(turnPath());
    }

    void keyPathsAreCaseInsensitive()
    {
        auto writer = RegistrySettings::open("HKEY_CURRENT_USER\\SOFTWARE\\Norvane\\Kestrel\\");
        writer->setValue("Width", 640);
        QVERIFY(writer->sync());
        const auto reader = RegistrySettings::open("hkey_current_user\\software\\norvane\\kestrel");
        QCOMPARE(reader->value("Width").toInt(), 640);
        QVERIFY(!reader->contains("width"));
        QCOMPARE(RegistrySettings::groupForKey("HKEY_LOCAL_MACHINE\\Software"), QString());
    }

    // Another writer changed a value without changing the file's size or time (as two
    // writes within one tick of the file clock do). Our next write must keep its value.
    void writeMergesUnnoticedChange()
    {
        auto settings = RegistrySettings::open(kNorvane);
        settings->setValue("Theirs", 1);
        settings->setValue("Mine", 1);
        QVERIFY(settings->sync());

        QFile file(RegistrySettings::filePath());
        const QDateTime seen = QFileInfo(file).lastModified();
        const QByteArray text = readBytes(file.fileName());
        QVERIFY(text.contains("Theirs=1"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(text).replace("Theirs=1", "Theirs=2"));
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(seen, QFileDevice::FileModificationTime));
        file.close();

        settings->setValue("Mine", 2);
        QVERIFY(settings->sync());
        const auto reader = RegistrySettings::open(kNorvane);
        QCOMPARE(reader->value("Theirs").toInt(), 2);
        QCOMPARE(reader->value("Mine").toInt(), 2);
    }

    // Files written before keep their meaning: every value is written byte for byte as
    // QSettings' INI format writes it, and reads back as it was set.
    void writesAsQtIniFormat()
    {
        // clang-format off
        const QVariantList values {3, -1, INT_MIN, true, "", "plain", "a,b", "x=y", "semi;colon",
                                   " lead", "trail ", "tab\tline\nbreak", "quote\"d", "back\\slash",
                                   "@at", QString::fromUtf8("한a 글"), "\x01" "b"};
        // clang-format on
        const QString qtFile = TestEnvironment::tempDir() + "/qt.ini";
        QSettings qt(qtFile, QSettings::IniFormat);
        auto ours = RegistrySettings::open(kNorvane);
        for (int i = 0; i < values.size(); ++i) {
            const QString name = QString("v%1").arg(i, 2, 10, QLatin1Char('0'));
            qt.setValue("software/norvane/" + name, values[i]);
            ours->setValue(name, values[i]);
        }
        qt.sync();
        QVERIFY(ours->sync());
        QCOMPARE(readBytes(RegistrySettings::filePath()), readBytes(qtFile));
        const auto reader = RegistrySettings::open(kNorvane);
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(reader->value(QString("v%1").arg(i, 2, 10, QLatin1Char('0'))).toString(),
                     values[i].toString());
    }

    // Text typed by hand comes back as typed, and stays as typed when another value of the
    // file is saved.
    void handTypedText_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("comma") << QByteArray("FilePath=/tmp/a,b") << "/tmp/a,b";
        QTest::newRow("comma, blank") << QByteArray("FilePath=a, b ,c") << "a, b ,c";
        QTest::newRow("quoted") << QByteArray(R"(FilePath="/tmp/a,b")") << "/tmp/a,b";
        QTest::newRow("blanks around") << QByteArray("FilePath =  x y  ") << "x y";
        QTest::newRow("quoted blanks") << QByteArray(R"(FilePath=" x ")") << " x ";
        QTest::newRow("escapes") << QByteArray(R"(FilePath=a\tb\\c\x4e2d)")
                                 << QString::fromUtf8("a\tb\\c中");
        QTest::newRow("UTF-8") << QByteArray("FilePath=/home/사용자")
                               << QString::fromUtf8("/home/사용자");
        QTest::newRow("Latin-1") << QByteArray("FilePath=caf\xe9")
                                 << QString::fromLatin1("caf\xe9");
        QTest::newRow("at sign") << QByteArray("FilePath=@@x") << "@x";
    }

    void handTypedText()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        writeBytes(RegistrySettings::filePath(), "[software]\nnorvane\\" + line + "\n");
        auto settings = RegistrySettings::open(kNorvane);
        QCOMPARE(settings->value("FilePath").toString(), text);
        settings->setValue("Other", 1);
        QVERIFY(settings->sync());
        QVERIFY(readBytes(RegistrySettings::filePath()).contains("\nnorvane\\" + line + "\n"));
        QCOMPARE(RegistrySettings::open(kNorvane)->value("FilePath").toString(), text);
    }

    // A lock file left by a writer that died passes the turn on at once; it used to hold
    // every save (and every start) up for about 32 seconds.
    void staleTurnIsPassedOver_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QProcess finished;
        finished.start("true", QStringList());
        QVERIFY(finished.waitForStarted());
        const qint64 pid = finished.processId();
        QVERIFY(finished.waitForFinished());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("damaged") << QByteArray("?\n");
        QTest::newRow("holder gone") << QByteArray::number(pid) + "\ntrue\n\n";
    }

    void staleTurnIsPassedOver()
    {
        QFETCH(QByteArray, lock);
        writeBytes(turnPath(), lock);
        QElapsedTimer elapsed;
        elapsed.start();
        auto settings = RegistrySettings::open(kNorvane);
        settings->setValue("Value", 1);
        QVERIFY(settings->sync());
        QVERIFY2(elapsed.elapsed() < 5000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(RegistrySettings::open(kNorvane)->value("Value").toInt(), 1);
    }

    // A live writer that has not named itself in the lock file yet keeps its turn: the save
    // gives up and its value stays pending.
    void liveTurnIsRespected()
    {
        QDir().mkpath(QFileInfo(turnPath()).path());
        QLockFile held(turnPath());
        QVERIFY(held.tryLock(0));
        writeBytes(turnPath(), QByteArray());
        QFile stamp(turnPath());
        QVERIFY(stamp.open(QIODevice::Append));
        QVERIFY(stamp.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
        stamp.close();
        auto settings = RegistrySettings::open(kNorvane);
        settings->setValue("Value", 1);
        QVERIFY(!settings->sync());
        QVERIFY(QFile::exists(turnPath()));
        held.unlock();
        QVERIFY(settings->sync());
    }
};

QTEST_MAIN(tst_RegistrySettings)
#include "tst_RegistrySettings.moc"

#include "platform/RegistrySettings.h"
#include "support/TestEnvironment.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class tst_RegistrySettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::resetRegistry(); }

    void keyPathsAreCaseInsensitive()
    {
        auto writer = RegistrySettings::open("HKEY_CURRENT_USER\\SOFTWARE\\Norvane\\Kestrel\\");
        writer->setValue("Width", 640);
        QVERIFY(RegistrySettings::sync(*writer));
        const auto reader = RegistrySettings::open("hkey_current_user\\software\\norvane\\kestrel");
        QCOMPARE(reader->value("Width").toInt(), 640);
        QVERIFY(!reader->contains("width"));
        QCOMPARE(RegistrySettings::groupForKey("HKEY_LOCAL_MACHINE\\Software"), QString());
    }

    // Another process notices a write only through the file's size and modification time;
    // a write must never leave a time that another process may already have seen.
    void writeAdvancesModificationTime()
    {
        auto settings = RegistrySettings::open("HKEY_CURRENT_USER\\Software\\Norvane");
        settings->setValue("Value", 1);
        QVERIFY(RegistrySettings::sync(*settings));
        // As if the last write had happened in the clock tick that is still running.
        const QDateTime seen = QDateTime::currentDateTime().addSecs(3600);
        {
            QFile file(RegistrySettings::filePath());
            QVERIFY(file.open(QIODevice::Append));
            QVERIFY(file.setFileTime(seen, QFileDevice::FileModificationTime));
        }
        settings->setValue("Value", 2);
        QVERIFY(RegistrySettings::sync(*settings));
        QVERIFY(QFileInfo(RegistrySettings::filePath()).lastModified() > seen);
    }

    // Another writer changed a value without changing the file's size or time (as two
    // writes within one tick of the file clock do). Our next write must keep its value.
    void writeMergesUnnoticedChange()
    {
        auto settings = RegistrySettings::open("HKEY_CURRENT_USER\\Software\\Norvane");
        settings->setValue("Theirs", 1);
        settings->setValue("Mine", 1);
        QVERIFY(RegistrySettings::sync(*settings));

        QFile file(RegistrySettings::filePath());
        const QDateTime seen = QFileInfo(file).lastModified();
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("Theirs=1"));
        QVERIFY(file.seek(0));
        file.write(QByteArray(text).replace("Theirs=1", "Theirs=2"));
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(seen, QFileDevice::FileModificationTime));
        file.close();

        settings->setValue("Mine", 2);
        QVERIFY(RegistrySettings::sync(*settings));
        const auto reader = RegistrySettings::open("HKEY_CURRENT_USER\\Software\\Norvane");
        QCOMPARE(reader->value("Theirs").toInt(), 2);
        QCOMPARE(reader->value("Mine").toInt(), 2);
    }
};

QTEST_MAIN(tst_RegistrySettings)
#include "tst_RegistrySettings.moc"

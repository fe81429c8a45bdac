#include "platform/RegistrySettings.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

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
};

KESTREL_TEST(tst_RegistrySettings)
#include "tst_RegistrySettings.moc"

#include "capture/PortalScreenGrabber.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QUrl>

// The desktop's screenshot portal: answers each call with the set response and the address
// of a picture it wrote.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    uint response = 0;
    QString file;

public slots:
    QDBusObjectPath Screenshot(const QString &, const QVariantMap &options)
    {
        const QString sender = message().service().mid(1).replace('.', '_');
        const QString request = "/org/freedesktop/portal/desktop/request/" + sender + '/'
                + options.value("handle_token").toString();
        QDBusMessage answer =
                QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        answer << response << QVariantMap {{"uri", QUrl::fromLocalFile(file).toString()}};
        connection().send(answer);
        return QDBusObjectPath(request);
    }
};

// On a private bus of its own.
class tst_PortalScreenGrabber : public QObject
{
    Q_OBJECT

    QProcess bus_;
    QString address_;
    FakePortal portal_;

private slots:
    void initTestCase()
    {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY2(bus_.waitForReadyRead(10000),
                 "dbus-daemon (Debian package dbus-daemon) did not start");
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QDBusConnection desktop = QDBusConnection::connectToBus(address_, "desktop");
        QVERIFY(desktop.registerObject("/org/freedesktop/portal/desktop", &portal_,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService("org.freedesktop.portal.Desktop"));
    }

    void cleanupTestCase() { bus_.kill(); }

    void answers_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QString>("failure"); // empty: a picture arrives
        row("picture", 0u, QString());
        row("cancelled by the user", 1u, QStringLiteral("cancelled"));
        row("no portal on the bus", 0u, QStringLiteral("No screenshot portal answered"));
        row("no bus", 0u, QStringLiteral("No D-Bus session bus"));
    }

    void answers()
    {
        QFETCH(uint, response);
        QFETCH(QString, failure);
        if (failure.startsWith("No screenshot portal"))
            QVERIFY(QDBusConnection("desktop").unregisterService("org.freedesktop.portal.Desktop"));
        portal_.response = response;
        portal_.file = TestEnvironment::tempDir() + "/Screenshot.png";
        QImage written(64, 48, QImage::Format_RGB32);
        written.fill(Qt::magenta);
        QVERIFY(written.save(portal_.file));

        PortalScreenGrabber grabber(
                failure.startsWith("No D-Bus")
                        ? QDBusConnection("nowhere")
                        : QDBusConnection::connectToBus(address_, QTest::currentDataTag()));
        QSignalSpy grabbed(&grabber, &ScreenGrabber::grabbed);
        QSignalSpy failed(&grabber, &ScreenGrabber::failed);
        grabber.start();
        QTRY_COMPARE(grabbed.count() + failed.count(), 1);
        if (!failure.isEmpty()) {
            QVERIFY2(failed.at(0).at(0).toString().contains(failure),
                     qPrintable(failed.at(0).at(0).toString()));
            return;
        }
        QImage picture = grabbed.at(0).at(0).value<DesktopImage>().image.convertToFormat(
                QImage::Format_RGB32);
        picture.setDevicePixelRatio(1.0);
        QCOMPARE(picture, written);
        QVERIFY(!QFile::exists(portal_.file)); // the desktop's copy is not left behind
    }
};

QTEST_MAIN(tst_PortalScreenGrabber)
#include "tst_PortalScreenGrabber.moc"

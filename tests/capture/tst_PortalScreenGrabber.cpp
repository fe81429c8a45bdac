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
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

// The desktop's screenshot portal on a private bus: answers each call with the row's
// response and the address of a picture it wrote.
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
        QString sender = message().service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QDBusObjectPath request(
                QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                        .arg(sender, options.value("handle_token").toString()));
        QDBusMessage answer = QDBusMessage::createSignal(
                request.path(), QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"));
        answer << response << QVariantMap {{"uri", QUrl::fromLocalFile(file).toString()}};
        connection().send(answer);
        return request;
    }
};

class tst_PortalScreenGrabber : public QObject
{
    Q_OBJECT

private:
    QProcess bus_;
    QString address_;
    FakePortal portal_;

private slots:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed (Debian package dbus-daemon).");
        bus_.start(daemon, {"--session", "--nofork", "--print-address"});
        QVERIFY(bus_.waitForReadyRead(10000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        QDBusConnection desktop =
                QDBusConnection::connectToBus(address_, QStringLiteral("desktop"));
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal_,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void cleanupTestCase()
    {
        bus_.kill();
        bus_.waitForFinished();
    }

    void answers_data()
    {
        QTest::addColumn<bool>("portalThere");
        QTest::addColumn<uint>("response");
        QTest::addColumn<QString>("failure"); // empty: a picture arrives
        row("picture", true, 0u, QString());
        row("cancelled by the user", true, 1u, QStringLiteral("cancelled"));
        row("refused", true, 2u, QStringLiteral("no picture"));
        row("no portal on the bus", false, 0u, QStringLiteral("No screenshot portal answered"));
    }

    void answers()
    {
        QFETCH(bool, portalThere);
        QFETCH(uint, response);
        QFETCH(QString, failure);
        QDBusConnection desktop(QStringLiteral("desktop"));
        if (!portalThere) // the last row
            QVERIFY(desktop.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop")));
        portal_.response = response;
        portal_.file = TestEnvironment::tempDir() + QStringLiteral("/Screenshot.png");
        QImage written(64, 48, QImage::Format_RGB32);
        written.fill(Qt::magenta);
        QVERIFY(written.save(portal_.file));

        PortalScreenGrabber grabber(
                QDBusConnection::connectToBus(address_, QTest::currentDataTag()));
        QSignalSpy grabbed(&grabber, &ScreenGrabber::grabbed);
        QSignalSpy failed(&grabber, &ScreenGrabber::failed);
        grabber.start();
        QTRY_COMPARE(grabbed.count() + failed.count(), 1);
        QTest::qWait(50);
        QCOMPARE(grabbed.count() + failed.count(), 1);
        if (failure.isEmpty()) {
            const DesktopImage shot = grabbed.at(0).at(0).value<DesktopImage>();
            QImage picture = shot.image.convertToFormat(QImage::Format_RGB32);
            picture.setDevicePixelRatio(1.0);
            QCOMPARE(picture, written);
            QVERIFY(!QFile::exists(portal_.file)); // the desktop's copy is not left behind
        } else {
            QVERIFY2(failed.at(0).at(0).toString().contains(failure),
                     qPrintable(failed.at(0).at(0).toString()));
        }
    }

    void noBus()
    {
        PortalScreenGrabber grabber(QDBusConnection(QStringLiteral("nowhere")));
        QSignalSpy failed(&grabber, &ScreenGrabber::failed);
        grabber.start();
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(failed.at(0).at(0).toString().contains(QStringLiteral("D-Bus")));
    }
};

QTEST_MAIN(tst_PortalScreenGrabber)
#include "tst_PortalScreenGrabber.moc"

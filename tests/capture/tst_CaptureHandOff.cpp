#include "ScreenCover.h"
#include "app/Application.h"
#include "app/IpcSocket.h"
#include "capture/CaptureJob.h"
#include "capture/RegionOverlay.h"
#include "platform/CaptureStorage.h"
#include "platform/CommandLineSplitter.h"
#include "platform/LocalServerName.h"
#include "platform/RegistrySettings.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

using Outcome = CaptureJob::Outcome;

void storeSettings(bool copy, bool skip, bool autoSave)
{
    KestrelPreferences preferences;
    preferences.initialize();
    preferences.setBool(KestrelPreferences::CopyToClipboard, copy);
    preferences.setBool(KestrelPreferences::SkipEditorWnd, skip);
    preferences.setBool(KestrelPreferences::AutoSave, autoSave);
    preferences.save();
}

QStringList captureFiles()
{
    return QDir(CaptureStorage::folderPath()).entryList({QStringLiteral("*.png")}, QDir::Files);
}

} // namespace

class tst_CaptureHandOff : public QObject
{
    Q_OBJECT

private:
    // Stands in for the running editor.
    QLocalServer editor_;

    QStringList receivedLine()
    {
        if (!editor_.hasPendingConnections() && !editor_.waitForNewConnection(5000))
            return {};
        QLocalSocket *socket = editor_.nextPendingConnection();
        QString line;
        IpcSocket::ReadMessage(*socket, line);
        delete socket;
        return SplitCommandLine(line);
    }

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        QDir(CaptureStorage::folderPath()).removeRecursively();
        QGuiApplication::clipboard()->clear();
    }

    void cleanup() { editor_.close(); }

    void toRunningEditor_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<bool>("autoSave");
        QTest::addColumn<QStringList>("tail");
        row("defaults", true, false, false, QStringList());
        row("skip editor window", true, true, false, QStringList {"/skip"});
        row("auto save, no clipboard", false, false, true, QStringList {"/autosave"});
        row("both", true, true, true, QStringList {"/skip", "/autosave"});
    }

    void toRunningEditor()
    {
        QFETCH(bool, copy);
        QFETCH(bool, skip);
        QFETCH(bool, autoSave);
        QFETCH(QStringList, tail);
        storeSettings(copy, skip, autoSave);
        QVERIFY(editor_.listen(LocalServerName(Application::kIpcServerName)));
        const QColor shown(0x12, 0x34, 0x56);
        ScreenCover cover(shown);
        CaptureJob job(CaptureJob::Mode::FullScreen, 0, CaptureSettings::load());
        QSignalSpy finished(&job, &CaptureJob::finished);
        job.start();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::HandedOff);

        const QStringList tokens = receivedLine();
        QCOMPARE(tokens.size(), 6 + tail.size());
        QCOMPARE(tokens.mid(6), tail);
        QCOMPARE(tokens.at(1), QStringLiteral("/path"));
        QCOMPARE(tokens.at(3), QStringLiteral("/point"));
        QCOMPARE(QFileInfo(tokens.at(2)).path(), CaptureStorage::folderPath());
        const QImage capture(tokens.at(2));
        QCOMPARE(capture.size(), QGuiApplication::primaryScreen()->size());
        QCOMPARE(capture.pixelColor(capture.width() - 1, capture.height() - 1), shown);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(!copied.isNull(), copy);
        if (copy)
            QCOMPARE(copied.convertToFormat(capture.format()), capture);
    }

    // Escape on the overlay: nothing is written, nothing reaches the editor.
    void regionCancelled()
    {
        QVERIFY(editor_.listen(LocalServerName(Application::kIpcServerName)));
        ScreenCover cover;
        CaptureJob job(CaptureJob::Mode::Region, 0, CaptureSettings::load());
        QSignalSpy finished(&job, &CaptureJob::finished);
        job.start();
        QTRY_VERIFY(job.overlay() && job.overlay()->isVisible());
        QTest::keyClick(job.overlay(), Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::Canceled);
        QVERIFY(!editor_.waitForNewConnection(200));
        QVERIFY(captureFiles().isEmpty());
    }

    // The program itself on an X server, with no editor running: it grabs the screen and
    // starts the editor beside it.
    void startsNewEditor()
    {
        QProcess xserver;
        xserver.start(QStringLiteral("Xvfb"),
                      {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        QVERIFY2(xserver.waitForReadyRead(20000), "Xvfb (Debian package xvfb) did not start");
        const QString display =
                QStringLiteral(":") + QString::fromLatin1(xserver.readLine()).trimmed();
        RegistrySettings::open(
                QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\KestrelEditor\\FuncTrace"))
                ->setValue(QStringLiteral("trace"), 2);
        storeSettings(false, false, false); // an X11 clipboard owner would stay to serve it
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
        environment.insert(QStringLiteral("DISPLAY"), display);
        QProcess capture;
        capture.setProcessEnvironment(environment);
        capture.setProcessChannelMode(QProcess::ForwardedChannels);
        capture.start(QStringLiteral(KESTREL_CAPTURE_EXECUTABLE), {"--delay", "0"});
        QVERIFY(capture.waitForFinished(20000));
        QCOMPARE(capture.exitCode(), 0);
        QCOMPARE(captureFiles().size(), 1);
        const QString file = CaptureStorage::folderPath() + QLatin1Char('/') + captureFiles().at(0);
        QCOMPARE(QImage(file).size(), QSize(640, 480));

        const auto editorLog = [] {
            QFile log(QDir::tempPath() + QStringLiteral("/KestrelEditor/KestrelEditor.log"));
            return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(editorLog().contains(("\"/path\" \"" + file).toUtf8()), 20000);
        QProcess killer;
        killer.setProcessEnvironment(environment);
        killer.start(QStringLiteral(KESTREL_EXECUTABLE), {"/kill"});
        QVERIFY(killer.waitForFinished(20000));
        QCOMPARE(killer.exitCode(), 0);
        xserver.terminate();
        xserver.waitForFinished();
    }
};

QTEST_MAIN(tst_CaptureHandOff)
#include "tst_CaptureHandOff.moc"

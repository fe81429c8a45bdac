#include "ScreenCover.h"
#include "app/Application.h"
#include "app/IpcSocket.h"
#include "capture/CaptureJob.h"
#include "platform/CaptureStorage.h"
#include "platform/CommandLineSplitter.h"
#include "platform/LocalServerName.h"
#include "platform/RegistrySettings.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

#include <QClipboard>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>

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
    return QDir(CaptureStorage::folderPath()).entryList({"*.png"}, QDir::Files);
}
} // namespace

class tst_CaptureHandOff : public QObject
{
    Q_OBJECT

    QLocalServer editor_; // stands in for the running editor

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        QDir(CaptureStorage::folderPath()).removeRecursively();
        QGuiApplication::clipboard()->clear();
        QVERIFY(editor_.listen(LocalServerName(Application::kIpcServerName)));
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
        storeSettings(copy, skip, autoSave);
        const QColor shown(0x12, 0x34, 0x56);
        ScreenCover cover(shown);
        CaptureJob job(CaptureJob::Mode::FullScreen, 0, CaptureSettings::load());
        QSignalSpy finished(&job, &CaptureJob::finished);
        job.start();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<Outcome>(), Outcome::HandedOff);

        QVERIFY(editor_.waitForNewConnection(5000));
        QString line;
        QVERIFY(IpcSocket::ReadMessage(*editor_.nextPendingConnection(), line));
        const QStringList tokens = SplitCommandLine(line);
        QCOMPARE(tokens.mid(0, 2), QStringList({"KestrelEditor", "/path"}));
        QCOMPARE(tokens.at(3), QStringLiteral("/point"));
        QTEST(QStringList(tokens.mid(6)), "tail");
        QCOMPARE(QFileInfo(tokens.at(2)).path(), CaptureStorage::folderPath());
        const QImage capture(tokens.at(2));
        QCOMPARE(capture.size(), cover.size());
        QCOMPARE(capture.pixelColor(capture.width() - 1, capture.height() - 1), shown);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.isNull() ? QImage() : copied.convertToFormat(capture.format()),
                 copy ? capture : QImage());
    }

    // The program itself on an X server, with no editor running: it grabs the screen and
    // starts the editor beside it.
    void startsNewEditor()
    {
        editor_.close();
        QProcess xserver;
        // Without -noreset the server starts over when the capture program, its last client,
        // leaves, and the editor connecting at that moment is turned away.
        xserver.start(
                "Xvfb",
                {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp", "-noreset"});
        QVERIFY2(xserver.waitForReadyRead(20000), "Xvfb (Debian package xvfb) did not start");
        RegistrySettings::open("HKEY_CURRENT_USER\\Software\\Norvane\\KestrelEditor\\FuncTrace")
                ->setValue("trace", 2);
        storeSettings(false, false, false); // an X11 clipboard owner would stay to serve it
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("XDG_SESSION_TYPE", "x11");
        environment.insert("DISPLAY", ":" + QString::fromLatin1(xserver.readLine()).trimmed());
        QProcess capture;
        capture.setProcessEnvironment(environment);
        capture.start(KESTREL_CAPTURE_EXECUTABLE, {"--delay", "0"});
        QVERIFY(capture.waitForFinished(20000));
        QCOMPARE(capture.exitCode(), 0);
        QCOMPARE(captureFiles().size(), 1);
        const QString file = CaptureStorage::folderPath() + '/' + captureFiles().at(0);
        QCOMPARE(QImage(file).size(), QSize(640, 480));

        const QString editorLog = QDir::tempPath() + "/KestrelEditor/KestrelEditor.log";
        QTRY_VERIFY_WITH_TIMEOUT(readBytes(editorLog).contains(("\"/path\" \"" + file).toUtf8()),
                                 20000);
        capture.start(KESTREL_EXECUTABLE, {"/kill"});
        QVERIFY(capture.waitForFinished(20000));
        xserver.terminate();
        xserver.waitForFinished();
    }
};

QTEST_MAIN(tst_CaptureHandOff)
#include "tst_CaptureHandOff.moc"

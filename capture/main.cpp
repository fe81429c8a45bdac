// kestrel-capture: takes a screenshot and hands it to KestrelEditor, as the capture program
// does on Windows; with --tray it stays running and answers the editor's messages.
#include "app/Application.h"
#include "capture/CaptureJob.h"
#include "capture/CaptureSettings.h"
#include "capture/CaptureTray.h"
#include "platform/Trace.h"

#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>
#include <unistd.h>

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "kestrel-capture: %s\n", qPrintable(message));
}

// Qt ends the process with an abort when it cannot reach the display; the capture program
// says why and fails like any other failed capture instead.
void onStartupMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        printError(QStringLiteral("cannot open the display; nothing was captured."));
        ::_exit(1);
    }
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
            || !qEnvironmentVariableIsEmpty("DISPLAY")
            || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char **argv)
{
    if (!hasDisplay()) {
        printError(QStringLiteral("no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                                  "nothing was captured."));
        return 1;
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(onStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    QApplication::setApplicationName(QStringLiteral("kestrel-capture"));
    QApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    if (QLocale().language() == QLocale::Korean)
        Application::LoadTranslation();
    InitTrace();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
            "main", "Takes a screenshot and opens it in KestrelEditor."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption region(
            QStringLiteral("region"),
            QCoreApplication::translate("main", "Drag a region to capture."));
    const QCommandLineOption delay(
            QStringLiteral("delay"),
            QCoreApplication::translate("main", "Wait this many seconds first."),
            QStringLiteral("seconds"), QStringLiteral("0"));
    const QCommandLineOption tray(
            QStringLiteral("tray"),
            QCoreApplication::translate("main", "Stay in the tray and answer the editor."));
    parser.addOptions({region, delay, tray});
    parser.process(app);

    QString error;
    if (parser.isSet(tray)) {
        CaptureTray captureTray;
        if (!captureTray.start(&error)) {
            printError(error);
            return 1;
        }
        return app.exec();
    }

    bool isNumber = false;
    const int seconds = parser.value(delay).toInt(&isNumber);
    if (!isNumber || seconds < 0 || seconds > 3600) {
        printError(QCoreApplication::translate(
                "main", "--delay takes a number of seconds from 0 to 3600."));
        return 1;
    }
    const CaptureSettings settings = CaptureSettings::load();
    CaptureJob job(parser.isSet(region) ? CaptureJob::Mode::Region : CaptureJob::Mode::FullScreen,
                   seconds * 1000, settings);
    int status = 1;
    QObject::connect(
            &job, &CaptureJob::finished, &app,
            [&](CaptureJob::Outcome outcome, const QString &message) {
                if (outcome != CaptureJob::Outcome::HandedOff) {
                    printError(message);
                    QCoreApplication::quit();
                    return;
                }
                status = 0;
                // On X11 the clipboard is served by its owner: keep serving the capture until
                // another program takes the clipboard over.
                QClipboard *clipboard = QGuiApplication::clipboard();
                if (!settings.copyToClipboard || !clipboard->ownsClipboard()) {
                    QCoreApplication::quit();
                    return;
                }
                QObject::connect(clipboard, &QClipboard::dataChanged, &app,
                                 &QCoreApplication::quit);
                if (::isatty(STDERR_FILENO))
                    printError(QCoreApplication::translate(
                            "main",
                            "the capture stays on the clipboard until something else is copied."));
            });
    job.start();
    app.exec();
    return status;
}

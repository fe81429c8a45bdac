#pragma once

#include "app/IpcClient.h"
#include "app/IpcServer.h"
#include "services/ZCRS.h"

#include <QApplication>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

// The process: one instance per user. A later start hands its command line to the running
// instance over the local channel and ends; the running instance emits every command line
// it receives as commandReceived.
//
// The instance is the process that holds the lock file beside the socket (Unix). Only the
// holder may remove a socket file and listen, so a start that finds the instance stopped,
// busy or listening anew waits for it instead of taking its name.
class Application : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY(Application)

public:
    // What became of a start: its command line reached the running instance, it is the
    // running instance itself, or it could not hand its command line over.
    enum class StartRole { Forwarded, Serving, NotForwarded };

    static const QString kIpcServerName;
    static const QString kAppUserModelId;

    Application(int &argc, char **argv);
    ~Application() override;

    // The running Application, or null (for instance in tests, which run a QApplication).
    static Application *Instance();

    // Every argument in double quotes, separated by single spaces, nothing escaped.
    static QString JoinArguments(const QStringList &arguments);
    // Scales every "<digits>px" length, written for 96 DPI, to dpi (truncated).
    static QString ScaleStyleSheetForDpi(const QString &sheet, double dpi);
    // Replaces each key of the INI file found in sheet by its value.
    static QString ResolveStyleVariables(const QString &sheet, const QString &variablesFile);
    // The program's style sheet with its colours filled in, at 96 DPI; empty if missing.
    static QString LoadStyleSheet();
    static bool LoadTranslation();

    // Hands the command line to the running instance, trying again for a few seconds while
    // it is busy, or becomes the running instance when nobody serves. NotForwarded has
    // been reported on standard error.
    StartRole ClaimInstance();
    bool StartServer();
    void SetGlobalStyleSheet(double dpi);
    void StartCrashReporter();
    ZCRS &CrashReporter();

signals:
    // A command line from a later start, to be carried out by the main window.
    void commandReceived(const QString &cmdline);

public slots:
    void OnIpcMessage(const QString &message);

private:
    bool TakeInstanceLock();

    std::unique_ptr<QLockFile> instanceLock_;
    IpcServer ipcServer_;
    IpcClient ipcClient_;
    ZCRS crashReporter_;
    double styleDpi_ = 96.0;
};

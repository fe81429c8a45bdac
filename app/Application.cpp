#include "app/Application.h"

#include "platform/LocalServerName.h"
#include "platform/Trace.h"
#include "platform/WindowUtilities.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QLocalServer>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>
#include <QTranslator>
#include <cstdio>

namespace {
// How long a start keeps trying to reach a busy instance, and how long it pauses in between.
constexpr int kHandOverMs = 5000;
constexpr int kRetryMs = 100;
} // namespace

const QString Application::kIpcServerName = QStringLiteral("KEDMutex");
const QString Application::kAppUserModelId =
        QStringLiteral("{7C5A40EF-A0FB-4BFC-874A-C0F2E0B9FA8E}\\Norvane\\Kestrel\\Kestrel.exe");

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationVersion(QStringLiteral(KESTREL_VERSION));
    SetAppUserModelId(kAppUserModelId);
    // Closing or hiding the window never ends the program; only an explicit quit does.
    setQuitOnLastWindowClosed(false);
    LoadTranslation();
    StartCrashReporter();
    InitTrace();
}

Application::~Application()
{
    crashReporter_.Unload();
}

Application *Application::Instance()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

QString Application::JoinArguments(const QStringList &arguments)
{
    QString line;
    for (const QString &argument : arguments) {
        line += line.isEmpty() ? QStringLiteral("\"") : QStringLiteral(" \"");
        line += argument;
        line += QLatin1Char('"');
    }
    return line;
}

QString Application::ScaleStyleSheetForDpi(const QString &sheet, double dpi)
{
    if (dpi == 96.0)
        return sheet;
    static const QRegularExpression length(QStringLiteral("[0-9]+px"));
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    QString scaled = sheet;
    int position = 0;
    for (;;) {
        const QRegularExpressionMatch match = length.match(scaled, position);
        if (!match.hasMatch())
            break;
        QString text = match.captured(0);
        const QRegularExpressionMatch number = digits.match(text);
        const int pixels = int(dpi / 96.0 * number.captured(0).toInt());
        text.replace(number.capturedStart(), number.capturedLength(), QString::number(pixels));
        scaled.replace(match.capturedStart(), match.capturedLength(), text);
        // Continue after the replacement, so a grown number is never scaled twice.
        position = match.capturedStart() + text.size();
    }
    return scaled;
}

QString Application::ResolveStyleVariables(const QString &sheet, const QString &variablesFile)
{
    QString resolved = sheet;
    const QSettings variables(variablesFile, QSettings::IniFormat);
    const QStringList keys = variables.allKeys();
    for (const QString &key : keys)
        resolved.replace(key, variables.value(key).toString(), Qt::CaseSensitive);
    return resolved;
}

QString Application::LoadStyleSheet()
{
    QFile file(QStringLiteral(":/style/editor.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString sheet = QString::fromUtf8(file.readAll());
    if (sheet.isEmpty())
        return sheet;
    return ResolveStyleVariables(sheet, QStringLiteral(":/style/editor_variables.ini"));
}

bool Application::LoadTranslation()
{
    static QTranslator translator;
    const QString file = QStringLiteral(":/KestrelEditor_%0.qm")
                                 .arg(QLocale(QLocale::Korean, QLocale::AnyCountry).bcp47Name());
    if (!translator.load(file))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

Application::StartRole Application::ClaimInstance()
{
    const QString line = JoinArguments(QCoreApplication::arguments());
    const QDeadlineTimer deadline(kHandOverMs);
    for (;;) {
        const IpcClient::Delivery delivery = ipcClient_.Send(line, kIpcServerName, deadline);
        if (delivery == IpcClient::Delivery::Delivered)
            return StartRole::Forwarded;
        if (delivery == IpcClient::Delivery::NoServer && TakeInstanceLock()) {
            // Nobody listens and no instance lives: a socket file still there was left by an
            // instance that died, and listening would fail on it.
            QLocalServer::removeServer(LocalServerName(kIpcServerName));
            StartServer();
            return StartRole::Serving;
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(qMin<qint64>(kRetryMs, deadline.remainingTime()));
    }
    Trace(1, QStringLiteral("ClaimInstance"), "command line not forwarded");
    std::fprintf(stderr, "%s: the running instance did not take the command line within %d s\n",
                 qPrintable(applicationName()), kHandOverMs / 1000);
    return StartRole::NotForwarded;
}

bool Application::TakeInstanceLock()
{
#ifdef Q_OS_UNIX
    if (!instanceLock_) {
        instanceLock_ = std::make_unique<QLockFile>(LocalServerName(kIpcServerName)
                                                    + QStringLiteral(".lock"));
        // An instance may run for weeks: only the death of its holder makes the lock stale.
        instanceLock_->setStaleLockTime(0);
    }
    // A lock file that cannot be made at all must not keep the program from running.
    return instanceLock_->tryLock(0) || instanceLock_->error() != QLockFile::LockFailedError;
#else
    // A named pipe disappears with its server, so no name is ever left behind.
    return true;
#endif
}

bool Application::StartServer()
{
    Trace(1, QStringLiteral("StartServer"), "%ls", qUtf16Printable(applicationVersion()));
    const bool listening = ipcServer_.Start(kIpcServerName);
    connect(&ipcServer_, &IpcServer::sig_ipcMessage, this, &Application::OnIpcMessage,
            Qt::UniqueConnection);
    return listening;
}

void Application::SetGlobalStyleSheet(double dpi)
{
    qDebug("Application::SetGlobalStyleSheet");
    const QString sheet = LoadStyleSheet();
    if (sheet.isEmpty())
        return;
    // The resource is always written for 96 DPI, so it is scaled on every call, not only
    // when the DPI differs from the previous call's.
    styleDpi_ = dpi;
    setStyleSheet(ScaleStyleSheetForDpi(sheet, dpi));
}

void Application::StartCrashReporter()
{
    if (crashReporter_.IsLoaded())
        return;
    const QString versionTag = applicationVersion() + QLatin1Char('_') + QLocale::system().name();
    crashReporter_.Initialize(AppDirFile(QStringLiteral("DADAD.dll")), QStringLiteral("Kestrel"),
                              versionTag, AppDirFile(tr("DADAD_EN.dll")));
}

ZCRS &Application::CrashReporter()
{
    return crashReporter_;
}

void Application::OnIpcMessage(const QString &message)
{
    emit commandReceived(message);
}

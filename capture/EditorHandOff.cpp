#include "capture/EditorHandOff.h"

#include "app/Application.h"
#include "app/IpcClient.h"
#include "platform/Trace.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

const QString EditorHandOff::kEditorProgram = QStringLiteral("KestrelEditor");

QStringList EditorHandOff::captureArguments(const QString &file, const QPoint &point,
                                            const CaptureSettings &settings)
{
    QStringList arguments {QStringLiteral("/path"), file, QStringLiteral("/point"),
                           QString::number(point.x()), QString::number(point.y())};
    if (settings.skipEditor)
        arguments << QStringLiteral("/skip");
    if (settings.autoSave)
        arguments << QStringLiteral("/autosave");
    return arguments;
}

QString EditorHandOff::editorProgram()
{
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + kEditorProgram);
    if (beside.isFile() && beside.isExecutable())
        return beside.filePath();
    return QStandardPaths::findExecutable(kEditorProgram);
}

bool EditorHandOff::send(const QStringList &arguments, QString *error)
{
    // The running editor ignores the first token, as it ignores its own program path.
    const QString line = Application::JoinArguments(QStringList {kEditorProgram} + arguments);
    if (IpcClient().Send(line, Application::kIpcServerName) == IpcClient::Delivery::Delivered) {
        TRACE(2, "sent %ls", qUtf16Printable(line));
        return true;
    }
    const QString program = editorProgram();
    if (program.isEmpty()) {
        *error = tr("The editor %1 is neither beside %2 nor on the PATH.")
                         .arg(kEditorProgram, QCoreApplication::applicationName());
        return false;
    }
    // A new editor that finds one running by now, or one that was busy, forwards the line
    // itself, waiting a few seconds for a busy one.
    if (!QProcess::startDetached(program, arguments)) {
        *error = tr("Cannot start the editor %1.").arg(program);
        return false;
    }
    TRACE(2, "started %ls %ls", qUtf16Printable(program), qUtf16Printable(line));
    return true;
}

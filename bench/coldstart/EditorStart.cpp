// The editor's own start-up, as app/main.cpp does it, ending at the first paint of the
// view with the capture. Usage: kestrel_coldstart_editor /path <capture.png> /point x y
#include "FirstPaint.h"

#include "app/Application.h"
#include "mainwindow/KestrelEditor.h"
#include "view/EditorView.h"

#include <QIcon>
#include <QScreen>

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    Application application(argc, argv);
    if (application.IsAnotherInstanceRunning())
        return 1;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/Kestrel.ico")));
    application.SetGlobalStyleSheet(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    KestrelEditor window;
    window.setCrashReporter(&application.CrashReporter());
    QObject::connect(&application, &Application::commandReceived, &window,
                     &KestrelEditor::commandArrived);
    auto *view = window.findChild<EditorView *>(QStringLiteral("graphicsView_"));
    FirstPaint firstPaint(sinceMain, view->viewport(), [view] { return view->editor(); });
    emit window.commandArrived(Application::JoinArguments(QCoreApplication::arguments()));
    return application.exec();
}

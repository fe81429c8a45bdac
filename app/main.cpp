#include "app/Application.h"
#include "mainwindow/KestrelEditor.h"

#include <QIcon>
#include <QScreen>

int main(int argc, char **argv)
{
    // Only takes effect before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    Application application(argc, argv);
    if (application.IsAnotherInstanceRunning())
        return 0;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/Kestrel.ico")));
    application.SetGlobalStyleSheet(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    KestrelEditor window;
    window.setCrashReporter(&application.CrashReporter());
    QObject::connect(&application, &Application::commandReceived, &window,
                     &KestrelEditor::commandArrived);
    emit window.commandArrived(Application::JoinArguments(QCoreApplication::arguments()));
    return application.exec();
}

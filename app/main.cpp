#include "app/Application.h"
#include "mainwindow/KestrelEditor.h"

#include <QIcon>
#include <QScreen>

int main(int argc, char **argv)
{
    // Only takes effect before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    Application application(argc, argv);
    switch (application.ClaimInstance()) {
    case Application::StartRole::Forwarded:
        return 0;
    case Application::StartRole::NotForwarded:
        return 1;
    case Application::StartRole::Serving:
        break;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/Kestrel.ico")));
    application.SetGlobalStyleSheet(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    KestrelEditor window;
    QObject::connect(&application, &Application::commandReceived, &window,
                     &KestrelEditor::commandArrived);
    emit window.commandArrived(Application::JoinArguments(QCoreApplication::arguments()));
    return application.exec();
}

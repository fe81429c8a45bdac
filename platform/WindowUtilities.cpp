#include "platform/WindowUtilities.h"

#include "platform/WindowPlacement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QVector<ScreenArea> screenAreas()
{
    QVector<ScreenArea> areas;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.append({primary->geometry(), primary->availableGeometry()});
    const auto screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen != primary)
            areas.append({screen->geometry(), screen->availableGeometry()});
    }
    return areas;
}

} // namespace

void BringToFront(QWidget *w)
{
    if (!w)
        return;
    // Windows needs the foreground thread's input attached before BringWindowToTop; the
    // other platforms' window managers decide on raise and activate themselves.
    w->raise();
    w->activateWindow();
    w->setFocus(Qt::ActiveWindowFocusReason);
}

void FitWindowToScreen(QWidget *w, QPoint hint)
{
    if (!w)
        return;
    const QRect frame = w->frameGeometry();
    const std::optional<QPoint> topLeft = FitFrameToScreens(frame, hint, screenAreas());
    if (topLeft)
        w->move(*topLeft); // move() places the frame's top-left for a top-level window
}

void EnableDropShadow(QWidget *w)
{
    // Only the Windows desktop window manager needs to be asked for a pop-up's shadow.
    Q_UNUSED(w);
}

void SetAppUserModelId(const QString &id)
{
    // Taskbar grouping exists only on Windows.
    Q_UNUSED(id);
}

QString AppDirFile(const QString &name)
{
    // Service library paths are built by static initialisers, before main() creates the
    // application object; asking for the program path then only earns a warning.
    if (!QCoreApplication::instance())
        return name;
    const QString program = QCoreApplication::applicationFilePath();
    return program.left(program.lastIndexOf(QLatin1Char('/')) + 1) + name;
}

// kestrel_screenshot <output.png> [timeout seconds]
// Waits until the screen shows more than its empty background, lets the painting settle,
// then saves the whole screen. Exits 1 when nothing appeared in time (the picture is saved
// anyway, so there is something to look at) and 2 when it cannot grab or save.
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <cstdio>

namespace {
QImage grabScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0).toImage() : QImage();
}

bool showsSomething(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            colours.insert(image.pixel(x, y));
            if (colours.size() > 8)
                return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output.png> [timeout seconds]\n", argv[0]);
        return 2;
    }
    const int timeoutSeconds = argc > 2 ? QByteArray(argv[2]).toInt() : 20;
    const QDeadlineTimer deadline(timeoutSeconds * 1000);
    bool shown = false;
    while (!deadline.hasExpired()) {
        if (showsSomething(grabScreen())) {
            shown = true;
            break;
        }
        QThread::msleep(200);
        app.processEvents();
    }
    if (shown)
        QThread::msleep(1500);
    const QImage image = grabScreen();
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[1])))
        return 2;
    return shown ? 0 : 1;
}

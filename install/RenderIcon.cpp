// kestrel_render_icon <icon.svg> <hicolor folder> <name> <size>...
// Draws the program's icon at each size into <hicolor folder>/<size>x<size>/apps/<name>.png.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <icon.svg> <hicolor folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 2;
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString folder =
                QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (size <= 0 || !QDir().mkpath(folder)
            || !image.save(
                    QStringLiteral("%1/%2.png").arg(folder, QString::fromLocal8Bit(argv[3]))))
            return 2;
    }
    return 0;
}

// Draws the About box picture res/about_Kestrel_3_kr.bmp from the program's icon.
// Not part of the build: run render-about-picture.sh after changing the icon or this file.
// The About box puts the version at (368, 15) and the web link at (38, 204) over it.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int kWidth = 450;
constexpr int kHeight = 240;

QFont font(int pixelSize, int weight)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Kestrel.svg> <output.bmp>\n", argv[0]);
        return 2;
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // White like the tab it sits on, so the picture has no visible edge.
    painter.fillRect(image.rect(), Qt::white);

    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid())
        return 2;
    icon.render(&painter, QRectF(34, 46, 96, 96));

    painter.setPen(QColor(31, 41, 55));
    painter.setFont(font(34, QFont::Bold));
    painter.drawText(QPointF(148, 92), QStringLiteral("Kestrel"));
    painter.setPen(QColor(107, 114, 128));
    painter.setFont(font(13, QFont::Normal));
    painter.drawText(QPointF(150, 117), QStringLiteral("Capture & Annotation Editor"));
    painter.fillRect(QRectF(150, 129, 34, 3), QColor(15, 123, 134));

    // Caption of the version, which the About box writes to the right of it.
    painter.setFont(font(10, QFont::Normal));
    painter.setPen(QColor(107, 114, 128));
    painter.drawText(QRectF(250, 14, 112, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Version"));

    painter.fillRect(QRectF(38, 190, kWidth - 76, 1), QColor(227, 231, 237));
    painter.setPen(QColor(163, 170, 181));
    painter.drawText(QRectF(200, 202, kWidth - 238, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("MIT License"));
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2]), "BMP") ? 0 : 2;
}

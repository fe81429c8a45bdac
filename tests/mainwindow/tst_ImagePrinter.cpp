#include "mainwindow/ImagePrinter.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QPageLayout>
#include <QPixmap>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

namespace {

// What the page draws: its compressed content streams, inflated.
QString pdfContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray pdf = file.readAll();
    QString content;
    for (int at = 0; (at = pdf.indexOf("/FlateDecode", at)) >= 0;) {
        const int start = pdf.indexOf("stream\n", at) + 7;
        const int end = pdf.indexOf("endstream", start);
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(end - start) * 8, sized.data());
        content += QString::fromLatin1(qUncompress(sized + pdf.mid(start, end - start)));
        at = end;
    }
    return content;
}

} // namespace

class tst_ImagePrinter : public QObject
{
    Q_OBJECT

private slots:
    void targetRect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QRect>("target");
        // clang-format off
        row("wide picture fills the width, centred down the page", QSize(3000, 2000), QSize(1000, 1000), QRect(0, 167, 1000, 666));
        row("tall picture fills the height", QSize(1000, 4000), QSize(1000, 1000), QRect(375, 0, 250, 1000));
        row("both too large, width overflows most", QSize(2000, 1200), QSize(1000, 800), QRect(0, 100, 1000, 600));
        row("both too large, height overflows most", QSize(1200, 2000), QSize(1000, 800), QRect(260, 0, 480, 800));
        row("small picture keeps its size", QSize(300, 200), QSize(1000, 1000), QRect(350, 400, 300, 200));
        // clang-format on
    }
    void targetRect()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, page);
        QTEST(ImagePrinter::targetRect(picture, page), "target");
    }

    // Printed to a PDF file: the picture is drawn scaled into its place on the page.
    void printsToPdf()
    {
        const QString path = TestEnvironment::tempDir() + "/printed.pdf";
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        // A page of 1000 x 1000 device pixels without margins.
        const double points = 1000 * 72.0 / printer.resolution();
        printer.setPageLayout(QPageLayout(QPageSize(QSizeF(points, points), QPageSize::Point),
                                          QPageLayout::Portrait, QMarginsF()));
        QPixmap picture(3000, 2000);
        picture.fill(Qt::red);
        QVERIFY(ImagePrinter::print(printer, picture));

        // The picture is drawn as "sx 0 0 sy x y cm" followed by "w 0 0 -h 0 h cm /Im Do".
        static const QRegularExpression drawn(
                QStringLiteral("([\\d.]+) 0 0 ([\\d.]+) ([\\d.-]+) ([\\d.-]+) cm\\s+"
                               "(\\d+) 0 0 -(\\d+) 0 \\d+ cm /Im\\d+\\s+Do"));
        const QRegularExpressionMatch match = drawn.match(pdfContent(path));
        QVERIFY(match.hasMatch());
        const auto value = [&](int i) {
            return match.captured(i).toDouble();
        };
        const QRect placed(qRound(value(3)), qRound(value(4)), qRound(value(1) * value(5)),
                           qRound(value(2) * value(6)));
        QCOMPARE(placed, QRect(0, 167, 1000, 666));
    }
};

QTEST_MAIN(tst_ImagePrinter)
#include "tst_ImagePrinter.moc"

#include "support/DataRow.h"
#include "widgets/ImageToolWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_ImageToolWidget : public QObject
{
    Q_OBJECT

private slots:
    // The zoom shows as a whole percentage, truncated; a factor of one-decimal steps keeps
    // its exact percentage.
    void zoomText_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("text");
        row("0.999", 0.999, QString("99 %"));
        row("0.333", 0.333, QString("33 %"));
        row("1.0", 1.0, QString("100 %"));
        row("2.3", 2.3, QString("230 %"));
        row("4.0", 4.0, QString("400 %"));
    }

    void zoomText()
    {
        QFETCH(double, zoom);
        QFETCH(QString, text);
        ImageToolWidget tool;
        tool.onChangeZoom(zoom);
        QCOMPARE(tool.zoomText(), text);
    }

    // Both texts fit their labels, however the numbers grow; the buttons ask for zooming.
    void sizeTextAndButtons()
    {
        ImageToolWidget tool;
        tool.show();
        QSignalSpy updated(&tool, &ImageToolWidget::imageToolUpdate);
        for (const QSize size : {QSize(8, 6), QSize(1920, 1080), QSize(38400, 21600)}) {
            tool.setImageSize(size);
            tool.setZoomPercent(size.width() / 10);
            for (QLabel *label : tool.findChildren<QLabel *>())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
        QCOMPARE(tool.imageSizeText(), QString("Image size : 38400 x 21600"));
        QCOMPARE(updated.count(), 6);
        tool.setImageSize(QSize(1920, 1080));
        QCOMPARE(tool.imageSizeText(), QString("Image size : 1920 x 1080"));

        QSignalSpy in(&tool, &ImageToolWidget::zoomIn);
        QSignalSpy out(&tool, &ImageToolWidget::zoomOut);
        QTest::mouseClick(tool.findChild<QPushButton *>("imageZoomIn_"), Qt::LeftButton);
        QTest::mouseClick(tool.findChild<QPushButton *>("imageZoomOut_"), Qt::LeftButton);
        QTest::mouseClick(tool.findChild<QPushButton *>("imageZoomOut_"), Qt::LeftButton);
        QCOMPARE(in.count(), 1);
        QCOMPARE(out.count(), 2);
    }
};

QTEST_MAIN(tst_ImageToolWidget)
#include "tst_ImageToolWidget.moc"

#include "support/DataRow.h"
#include "widgets/ClickableLabel.h"
#include "widgets/ImageToolWidget.h"
#include "widgets/ToolDropdownButton.h"

#include <QHoverEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Notes the events that still reach the label after its own filter saw them.
class RecordingLabel : public ClickableLabel
{
public:
    QString reached;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            reached += 'p';
        if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave)
            reached += 'h';
        return ClickableLabel::event(event);
    }
};

void hover(QWidget *widget, QEvent::Type type)
{
    const QPointF inside(2, 2), outside(-1, -1);
    const bool enter = type == QEvent::HoverEnter;
    QHoverEvent event(type, enter ? inside : outside, enter ? outside : inside);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

// The clickable label, the tool buttons and the image tool bar.
class tst_CommonWidgets : public QObject
{
    Q_OBJECT

private slots:
    void labelReportsMouse()
    {
        RecordingLabel label;
        QVERIFY(label.testAttribute(Qt::WA_Hover));
        QString emitted; // c: clicked, h: hover, l: leaved
        connect(&label, &ClickableLabel::clicked, [&] { emitted += 'c'; });
        connect(&label, &ClickableLabel::hover, [&] { emitted += 'h'; });
        connect(&label, &ClickableLabel::leaved, [&] { emitted += 'l'; });

        QTest::mousePress(&label, Qt::LeftButton);
        QTest::mouseRelease(&label, Qt::LeftButton);
        QTest::mousePress(&label, Qt::RightButton);
        QCOMPARE(emitted, QString("cc"));
        hover(&label, QEvent::HoverEnter);
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        hover(&label, QEvent::HoverLeave);
        QCOMPARE(label.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(emitted, QString("cchl"));
        // Reporting an event must not take it away from the label.
        QCOMPARE(label.reached, QString("pphh"));
    }

    // A tool button announces a press before the press takes effect, so a drop-down button's
    // tool is selected before its menu opens; a press it will not act on is not announced.
    void toolButtonAnnouncesPressFirst_data()
    {
        QTest::addColumn<bool>("dropdown");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("expected"); // b: beforePress, p: pressed, m: menu, c: clicked
        row("left click", false, int(Qt::LeftButton), QString("bpc"));
        row("right click", false, int(Qt::RightButton), QString());
        row("left click on a drop-down", true, int(Qt::LeftButton), QString("bmp"));
        row("right click on a drop-down", true, int(Qt::RightButton), QString());
    }

    void toolButtonAnnouncesPressFirst()
    {
        QFETCH(bool, dropdown);
        QFETCH(int, button);
        std::unique_ptr<ToolButton> tool(dropdown ? new ToolDropdownButton("pen", "pen", nullptr)
                                                  : new ToolButton("save", "save", nullptr));
        QMenu menu;
        menu.addAction("red");
        if (dropdown)
            tool->setMenu(&menu);
        tool->resize(60, 50);
        tool->show();
        QString seen;
        connect(tool.get(), &ToolButton::beforePress, [&] { seen += 'b'; });
        connect(tool.get(), &QPushButton::pressed, [&] { seen += 'p'; });
        connect(tool.get(), &QPushButton::clicked, [&] { seen += 'c'; });
        connect(&menu, &QMenu::aboutToShow, [&] {
            seen += 'm';
            QTimer::singleShot(0, &menu, &QMenu::close);
        });
        QTest::mouseClick(tool.get(), Qt::MouseButton(button));
        QTEST(seen, "expected");
    }

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
    }

    void zoomText()
    {
        QFETCH(double, zoom);
        ImageToolWidget tool;
        tool.onChangeZoom(zoom);
        QTEST(tool.zoomText(), "text");
    }

    // Both texts of the image tool bar fit their labels, however the numbers grow.
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
    }
};

QTEST_MAIN(tst_CommonWidgets)
#include "tst_CommonWidgets.moc"

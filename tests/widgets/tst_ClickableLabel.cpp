#include "support/TestRegistry.h"
#include "widgets/ClickableLabel.h"

#include <QHoverEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Counts what reaches the label itself after its own filter has seen it.
class RecordingLabel : public ClickableLabel
{
public:
    int presses = 0;
    int hoverEvents = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++presses;
        ClickableLabel::mousePressEvent(event);
    }
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave)
            ++hoverEvents;
        return ClickableLabel::event(event);
    }
};

} // namespace

class tst_ClickableLabel : public QObject
{
    Q_OBJECT

private slots:
    void reportsMouse_data();
    void reportsMouse();
};

void tst_ClickableLabel::reportsMouse_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("hovers");
    QTest::addColumn<int>("leaves");
    QTest::addColumn<Qt::CursorShape>("cursor");

    QTest::newRow("left press") << "press-left" << 1 << 0 << 0 << Qt::ArrowCursor;
    QTest::newRow("right press") << "press-right" << 1 << 0 << 0 << Qt::ArrowCursor;
    QTest::newRow("release alone") << "release" << 0 << 0 << 0 << Qt::ArrowCursor;
    QTest::newRow("hover enter") << "enter" << 0 << 1 << 0 << Qt::PointingHandCursor;
    QTest::newRow("hover enter then leave") << "enter,leave" << 0 << 1 << 1 << Qt::ArrowCursor;
}

void tst_ClickableLabel::reportsMouse()
{
    QFETCH(QString, input);
    QFETCH(int, clicks);
    QFETCH(int, hovers);
    QFETCH(int, leaves);
    QFETCH(Qt::CursorShape, cursor);

    RecordingLabel label;
    label.setText("Open folder");
    QVERIFY(label.testAttribute(Qt::WA_Hover));
    QSignalSpy clicked(&label, &ClickableLabel::clicked);
    QSignalSpy hovered(&label, &ClickableLabel::hover);
    QSignalSpy left(&label, &ClickableLabel::leaved);

    int hoverEvents = 0;
    for (const QString &step : input.split(',')) {
        if (step == "press-left")
            QTest::mousePress(&label, Qt::LeftButton);
        else if (step == "press-right")
            QTest::mousePress(&label, Qt::RightButton);
        else if (step == "release")
            QTest::mouseRelease(&label, Qt::LeftButton);
        else {
            const bool enter = step == "enter";
            QHoverEvent event(enter ? QEvent::HoverEnter : QEvent::HoverLeave,
                              enter ? QPointF(2, 2) : QPointF(-1, -1),
                              enter ? QPointF(-1, -1) : QPointF(2, 2));
            QCoreApplication::sendEvent(&label, &event);
            ++hoverEvents;
        }
    }

    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(hovered.count(), hovers);
    QCOMPARE(left.count(), leaves);
    QCOMPARE(label.cursor().shape(), cursor);
    // The label reports the events without taking them away from the widget.
    QCOMPARE(label.presses, input.count("press"));
    QCOMPARE(label.hoverEvents, hoverEvents);
}

KESTREL_TEST(tst_ClickableLabel)
#include "tst_ClickableLabel.moc"

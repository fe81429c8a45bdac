#include "widgets/ClickableLabel.h"

#include <QHoverEvent>
#include <QTest>

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

class tst_ClickableLabel : public QObject
{
    Q_OBJECT

private slots:
    void reportsMouse()
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
};

QTEST_MAIN(tst_ClickableLabel)
#include "tst_ClickableLabel.moc"

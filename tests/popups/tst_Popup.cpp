#include "popups/PopupTestSupport.h"
#include "widgets/Menu.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

// Every panel hosted in a menu reports each showing exactly once: a choice as triggered
// with its own signal, a dismissal as closed.
class tst_Popup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerPopupSignalTypes(); }

    void oneSignalPerShowing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("control");
        QTest::newRow("figure shape") << int(FigureKind) << "lineDottedBtn_";
        QTest::newRow("mosaic strength") << int(MosaicKind) << "strongRdo_";
        QTest::newRow("line width") << int(LineKind) << "lineThicknessCbo_";
        QTest::newRow("palette swatch") << int(PaletteKind) << "basicColor3";
        QTest::newRow("mixer ok") << int(MixerKind) << "okBtn_";
    }

    void oneSignalPerShowing()
    {
        QFETCH(int, kind);
        QFETCH(QString, control);
        QWidget owner;
        QByteArray choice;
        Popup *popup = makePopup(kind, choice);
        Menu *menu = popup->attachMenu(&owner);
        QCOMPARE(popup->attachMenu(&owner), menu);
        QSignalSpy triggered(popup, &Popup::triggered);
        QSignalSpy canceled(popup, &Popup::canceled);
        QSignalSpy closed(popup, &Popup::closed);
        QSignalSpy chosen(popup, choice.constData());

        menu->popup(QPoint(20, 20));
        QVERIFY(menu->isVisible());
        activate(popup, control);
        QVERIFY(!menu->isVisible());
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(canceled.count() + closed.count(), 0);

        // Shown again and left with Escape: closed, and no choice.
        menu->popup(QPoint(20, 20));
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(canceled.count(), 0);
    }
};

QTEST_MAIN(tst_Popup)
#include "tst_Popup.moc"

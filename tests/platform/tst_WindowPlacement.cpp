#include "platform/WindowPlacement.h"
#include "platform/WindowUtilities.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

// A 1920x1080 primary screen with a 40-pixel task bar at the bottom, and a second screen
// of 1280x1024 to its right or to its left.
const ScreenArea kPrimary {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
const ScreenArea kRight {{1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}};
const ScreenArea kLeft {{-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}};

QVector<ScreenArea> screenSet(const QString &name)
{
    if (name == "one")
        return {kPrimary};
    if (name == "two")
        return {kPrimary, kRight};
    if (name == "left")
        return {kPrimary, kLeft};
    return {};
}

} // namespace

class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
    void fitWindowMovesTheWidget();
    void bringToFrontFocusesTheWidget();
};

void tst_WindowPlacement::fit_data()
{
    QTest::addColumn<QString>("screens");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("hint");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<QPoint>("topLeft");

    const QPoint none;
    QTest::newRow("fits") << "one" << QRect(100, 100, 800, 600) << none << false << QPoint();
    QTest::newRow("touches the right edge")
            << "one" << QRect(1120, 100, 800, 600) << none << false << QPoint();
    QTest::newRow("one pixel beyond the right edge")
            << "one" << QRect(1121, 100, 800, 600) << none << true << QPoint(1120, 100);
    QTest::newRow("right part beyond")
            << "one" << QRect(1500, 100, 800, 600) << none << true << QPoint(1120, 100);
    QTest::newRow("left part beyond")
            << "one" << QRect(-300, 100, 800, 600) << none << true << QPoint(0, 100);
    QTest::newRow("wider than the screen: right edge wins")
            << "one" << QRect(-100, 100, 2200, 600) << none << true << QPoint(-280, 100);
    QTest::newRow("bottom under the task bar")
            << "one" << QRect(100, 700, 800, 400) << none << true << QPoint(100, 640);
    QTest::newRow("top above the screen")
            << "one" << QRect(100, -50, 800, 600) << none << true << QPoint(100, 0);
    QTest::newRow("taller than the area: bottom edge wins")
            << "one" << QRect(100, -10, 800, 1200) << none << true << QPoint(100, -160);
    QTest::newRow("corner beyond right and bottom")
            << "one" << QRect(1800, 1000, 300, 200) << none << true << QPoint(1620, 840);
    QTest::newRow("off every screen goes to the primary")
            << "one" << QRect(5000, 5000, 400, 300) << none << true << QPoint(1520, 740);

    QTest::newRow("spans two screens with every corner on one")
            << "two" << QRect(1500, 100, 800, 600) << none << false << QPoint();
    QTest::newRow("corner in the gap under the smaller screen: largest part decides")
            << "two" << QRect(1500, 500, 800, 560) << none << true << QPoint(1120, 480);
    QTest::newRow("hint picks the other screen") << "two" << QRect(1500, 500, 800, 560)
                                                 << QPoint(2000, 300) << true << QPoint(1920, 464);
    QTest::newRow("mostly on the second screen")
            << "two" << QRect(2000, 600, 800, 560) << none << true << QPoint(2000, 464);
    QTest::newRow("hint on no screen picks the primary")
            << "two" << QRect(2000, 600, 800, 560) << QPoint(-5000, -5000) << true
            << QPoint(1120, 480);
    QTest::newRow("screen left of the primary")
            << "left" << QRect(-1400, 100, 600, 400) << none << true << QPoint(-1280, 100);

    QTest::newRow("no screens") << "none" << QRect(-100, -100, 10, 10) << none << false << QPoint();
}

void tst_WindowPlacement::fit()
{
    QFETCH(QString, screens);
    QFETCH(QRect, frame);
    QFETCH(QPoint, hint);
    QFETCH(bool, moves);
    QFETCH(QPoint, topLeft);

    const std::optional<QPoint> fitted = FitFrameToScreens(frame, hint, screenSet(screens));
    QCOMPARE(fitted.has_value(), moves);
    if (moves)
        QCOMPARE(*fitted, topLeft);
}

void tst_WindowPlacement::fitWindowMovesTheWidget()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.resize(300, 200);
    window.move(area.right() - 100, area.top() + 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    FitWindowToScreen(&window, QPoint());

    QCOMPARE(window.frameGeometry().right(), area.right());
    QCOMPARE(window.frameGeometry().top(), area.top() + 10);
    QCOMPARE(window.size(), QSize(300, 200));
}

void tst_WindowPlacement::bringToFrontFocusesTheWidget()
{
    BringToFront(nullptr);

    QWidget other;
    other.show();
    QLineEdit window;
    window.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    BringToFront(&window);

    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::focusWidget(), &window);
}

KESTREL_TEST(tst_WindowPlacement)
#include "tst_WindowPlacement.moc"

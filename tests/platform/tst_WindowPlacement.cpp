#include "platform/WindowPlacement.h"
#include "platform/WindowUtilities.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

// A 1920x1080 primary screen with a 40-pixel task bar, and a 1280x1024 screen to its right
// ("two") or to its left ("left").
QVector<ScreenArea> screenSet(const QString &name)
{
    const ScreenArea primary {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
    const QRect second(name == "left" ? -1280 : 1920, 0, 1280, 1024);
    if (name == "none")
        return {};
    if (name == "one")
        return {primary};
    return {primary, {second, second}};
}

} // namespace

class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void fit_data()
    {
        QTest::addColumn<QString>("screens");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("hint");
        QTest::addColumn<QPoint>("topLeft"); // where the frame goes; its own place when it stays

        const QPoint none;
        // clang-format off
        QTest::newRow("fits") << "one" << QRect(100, 100, 800, 600) << none << QPoint(100, 100);
        QTest::newRow("touches the right edge") << "one" << QRect(1120, 100, 800, 600) << none << QPoint(1120, 100);
        QTest::newRow("one pixel beyond the right edge") << "one" << QRect(1121, 100, 800, 600) << none << QPoint(1120, 100);
        QTest::newRow("left part beyond") << "one" << QRect(-300, 100, 800, 600) << none << QPoint(0, 100);
        QTest::newRow("both edges beyond: right wins") << "one" << QRect(-100, 100, 2200, 600) << none << QPoint(-280, 100);
        QTest::newRow("bottom under the task bar") << "one" << QRect(100, 700, 800, 400) << none << QPoint(100, 640);
        QTest::newRow("taller than the area: bottom wins") << "one" << QRect(100, -10, 800, 1200) << none << QPoint(100, -160);
        QTest::newRow("off every screen") << "one" << QRect(5000, 5000, 400, 300) << none << QPoint(1520, 740);
        QTest::newRow("every corner on some screen") << "two" << QRect(1500, 100, 800, 600) << none << QPoint(1500, 100);
        QTest::newRow("corner in the gap: largest part") << "two" << QRect(1500, 500, 800, 560) << none << QPoint(1120, 480);
        QTest::newRow("hint picks the other screen") << "two" << QRect(1500, 500, 800, 560) << QPoint(2000, 300) << QPoint(1920, 464);
        QTest::newRow("mostly on the second screen") << "two" << QRect(2000, 600, 800, 560) << none << QPoint(2000, 464);
        QTest::newRow("hint on no screen: primary") << "two" << QRect(2000, 600, 800, 560) << QPoint(-5000, -5000) << QPoint(1120, 480);
        QTest::newRow("screen left of the primary") << "left" << QRect(-1400, 100, 600, 400) << none << QPoint(-1280, 100);
        QTest::newRow("no screens") << "none" << QRect(-100, -100, 10, 10) << none << QPoint(-100, -100);
        // clang-format on
    }

    void fit()
    {
        QFETCH(QString, screens);
        QFETCH(QRect, frame);
        QFETCH(QPoint, hint);
        QFETCH(QPoint, topLeft);

        const std::optional<QPoint> fitted = FitFrameToScreens(frame, hint, screenSet(screens));
        // A frame that stays put must not be reported as moved to its own place.
        QCOMPARE(fitted.has_value(), topLeft != frame.topLeft());
        QCOMPARE(fitted.value_or(frame.topLeft()), topLeft);
    }

    void fitWindowMovesTheWidget()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget window;
        window.resize(300, 200);
        window.move(area.right() - 100, area.top() + 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        FitWindowToScreen(&window, QPoint());

        QCOMPARE(window.frameGeometry().topRight(), QPoint(area.right(), area.top() + 10));
        QCOMPARE(window.size(), QSize(300, 200));
    }
};

QTEST_MAIN(tst_WindowPlacement)
#include "tst_WindowPlacement.moc"

#include "support/DataRow.h"
#include "widgets/ToolDropdownButton.h"

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

// A tool button announces a press before the press takes effect, so a drop-down button's
// tool is selected before its menu opens; a press it will not act on is not announced.
class tst_ToolButton : public QObject
{
    Q_OBJECT

private slots:
    void announcesPressFirst_data()
    {
        QTest::addColumn<bool>("dropdown");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("expected"); // b: beforePress, p: pressed, m: menu, c: clicked
        row("left click", false, int(Qt::LeftButton), QString("bpc"));
        row("right click", false, int(Qt::RightButton), QString());
        row("left click on a drop-down", true, int(Qt::LeftButton), QString("bmp"));
        row("right click on a drop-down", true, int(Qt::RightButton), QString());
    }

    void announcesPressFirst()
    {
        QFETCH(bool, dropdown);
        QFETCH(int, button);
        QFETCH(QString, expected);
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
        QCOMPARE(seen, expected);
        QCOMPARE(tool->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(tool->image()->objectName(), QString("image_"));
    }
};

QTEST_MAIN(tst_ToolButton)
#include "tst_ToolButton.moc"

#include "popups/ColorPalettes.h"
#include "popups/ColorPicker.h"
#include "popups/ColorSelectPopup.h"
#include "popups/FigurePopup.h"
#include "popups/LinePopup.h"
#include "popups/MosaicPopup.h"
#include "popups/PopupTestSupport.h"
#include "widgets/Menu.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

namespace {

enum Kind { Figure, Mosaic, Line, Palette, Mixer };

// A panel hosted in its menu, the signal that carries its choice and the click that
// makes one.
struct Hosted
{
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
    Popup *popup = nullptr;
    QByteArray choice;
    std::function<void()> choose;
};

template<typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no child %s", name);
    return found;
}

Hosted make(Kind kind)
{
    Hosted h;
    switch (kind) {
    case Figure:
        h.popup = new FigurePopup;
        h.choice = SIGNAL(figureSelected(Editor::ShapeType, Qt::PenStyle, QColor, QColor));
        h.choose = [p = h.popup] {
            child<QAbstractButton>(p, "lineDottedBtn_")->click();
        };
        break;
    case Mosaic:
        h.popup = new MosaicPopup;
        h.choice = SIGNAL(mosaicSelected(MosaicPopup::Strength));
        h.choose = [p = h.popup] {
            child<QAbstractButton>(p, "strongRdo_")->click();
        };
        break;
    case Line:
        h.popup = new LinePopup;
        h.choice = SIGNAL(lineSelected(int));
        h.choose = [p = h.popup] {
            QTest::keyClick(child<QComboBox>(p, "lineThicknessCbo_"), Qt::Key_Down);
        };
        break;
    case Palette: {
        auto *palette = new ColorSelectPopup;
        palette->setBasicColors(ColorPalettes::highlighter());
        h.popup = palette;
        h.choice = SIGNAL(colorSelected(QColor));
        h.choose = [p = h.popup] {
            child<QAbstractButton>(p, "basicColor3")->click();
        };
        break;
    }
    case Mixer:
        h.popup = new ColorPicker;
        h.choice = SIGNAL(colorSelected(QColor));
        h.choose = [p = h.popup] {
            child<QAbstractButton>(p, "okBtn_")->click();
        };
        break;
    }
    return h;
}

} // namespace

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
        QTest::newRow("figure shape") << int(Figure);
        QTest::newRow("mosaic strength") << int(Mosaic);
        QTest::newRow("line width") << int(Line);
        QTest::newRow("palette swatch") << int(Palette);
        QTest::newRow("mixer ok") << int(Mixer);
    }

    void oneSignalPerShowing()
    {
        QFETCH(int, kind);
        Hosted hosted = make(Kind(kind));
        Menu *menu = hosted.popup->attachMenu(hosted.owner.get());
        QCOMPARE(hosted.popup->attachMenu(hosted.owner.get()), menu);
        QSignalSpy triggered(hosted.popup, &Popup::triggered);
        QSignalSpy canceled(hosted.popup, &Popup::canceled);
        QSignalSpy closed(hosted.popup, &Popup::closed);
        QSignalSpy choice(hosted.popup, hosted.choice.constData());
        QVERIFY(choice.isValid());

        menu->popup(QPoint(20, 20));
        QVERIFY(menu->isVisible());
        hosted.choose();
        QVERIFY(!menu->isVisible());
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(choice.count(), 1);
        QCOMPARE(canceled.count() + closed.count(), 0);

        // Shown again and left with Escape: closed, and no choice.
        menu->popup(QPoint(20, 20));
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(choice.count(), 1);
        QCOMPARE(canceled.count(), 0);
    }
};

QTEST_MAIN(tst_Popup)
#include "tst_Popup.moc"

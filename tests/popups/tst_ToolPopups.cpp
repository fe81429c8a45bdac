#include "popups/CropPopup.h"
#include "popups/PopupTestSupport.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"
#include "widgets/Menu.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using P = KestrelPreferences;
using Values = QList<QPair<int, int>>;

namespace {

// Slots of the key table that were set since the last save or load.
QList<int> unsavedSlots(const P &preferences)
{
    QList<int> unsaved;
    for (int i = 0; i < P::SlotCount; ++i)
        if (!preferences.keyAt(i).isEmpty() && !preferences.isSynced(i))
            unsaved << i;
    return unsaved;
}

// A store holding the given values, all of them saved.
void prepare(P &preferences, const Values &values)
{
    QVERIFY(preferences.initialize());
    for (const auto &[slot, value] : values)
        preferences.setInt(slot, value);
    preferences.save();
    QCOMPARE(unsavedSlots(preferences), QList<int>());
}

} // namespace

class tst_ToolPopups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerPopupSignalTypes(); }
    void init() { TestEnvironment::resetRegistry(); }

    // Every panel hosted in a menu reports each showing exactly once: a choice as triggered
    // with its own signal, a dismissal as closed.
    void oneSignalPerShowing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("control");
        row("figure shape", int(FigureKind), QString("lineDottedBtn_"));
        row("mosaic strength", int(MosaicKind), QString("strongRdo_"));
        row("line width", int(LineKind), QString("lineThicknessCbo_"));
        row("palette swatch", int(PaletteKind), QString("basicColor3"));
        row("mixer ok", int(MixerKind), QString("okBtn_"));
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

    // Each panel shows what the store holds, or the closest choice it offers, announces
    // exactly that, and writes nothing while restoring.
    void restore_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<Values>("stored");
        QTest::addColumn<QString>("announced");
        const int red = P::encodeColor(Qt::red), odd = P::encodeColor(QColor(10, 20, 30, 40));
        // clang-format off
        row("dotted circle", int(FigureKind), Values {{P::FigureType, 6}, {P::FigureLineType, 3}}, "6 3 #00000000 #ffff0000");
        row("text is no figure", int(FigureKind), Values {{P::FigureType, 9}}, "5 1 #00000000 #ffff0000");
        row("dashes show dotted", int(FigureKind), Values {{P::FigureType, 4}, {P::FigureLineType, 2}}, "4 3 #00000000 #ffff0000");
        row("colours off the palette", int(FigureKind), Values {{P::FigureFillColor, odd}, {P::FigureLineColor, 0}}, "5 1 #280a141e #00000000");
        row("width 12", int(LineKind), Values {{P::LineWidth, 12}}, "12");
        row("width 7", int(LineKind), Values {{P::LineWidth, 7}}, "8");
        row("width -1", int(LineKind), Values {{P::LineWidth, -1}}, "1");
        row("strong", int(MosaicKind), Values {{P::MosaicStrength, 9}}, "9");
        row("strength 0", int(MosaicKind), Values {{P::MosaicStrength, 0}}, "4");
        row("strength 5", int(MosaicKind), Values {{P::MosaicStrength, 5}}, "4");
        row("strength huge", int(MosaicKind), Values {{P::MosaicStrength, 1 << 30}}, "9");
        row("text stored", int(TextKind), Values {{P::TextSize, 48}, {P::TextColor, red}, {P::TextStyle, 6}}, "48 #ffff0000 6");
        row("text off the offer", int(TextKind), Values {{P::TextSize, 13}, {P::TextColor, odd}, {P::TextStyle, -1}}, "12 #280a141e 7");
        // clang-format on
    }

    void restore()
    {
        QFETCH(int, kind);
        QFETCH(Values, stored);
        QFETCH(QString, announced);
        P preferences;
        prepare(preferences, stored);
        QByteArray signal;
        std::unique_ptr<Popup> popup(makePopup(kind, signal));
        restorePopup(popup.get(), &preferences);
        QSignalSpy spy(popup.get(), signal.constData());
        if (kind == TextKind)
            static_cast<TextPopup *>(popup.get())->announceFont();
        else
            emit popup->triggered();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(described(spy.first()), announced);
        QCOMPARE(unsavedSlots(preferences), QList<int>());
        if (kind == LineKind) {
            popup->show();
            QCOMPARE(popup->findChild<QWidget *>("displayLine_")->height(), announced.toInt());
        }
    }

    // Each choice in the text panel stores only its own setting, in the store's encoding,
    // and announces the panel's whole state.
    void textChoices_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<int>>("written");
        QTest::addColumn<QString>("announced");
        // The stored size is not offered and the colour not in the palette: both show as
        // they are, and stay stored as they are until chosen.
        row("bold and underline", QStringList {"boldBtn_", "underlineBtn_"},
            QList<int> {P::TextStyle}, "12 #280a141e 5");
        row("italic", QStringList {"italicBtn_"}, QList<int> {P::TextStyle}, "12 #280a141e 2");
        row("bold on and off", QStringList {"boldBtn_", "boldBtn_"}, QList<int> {P::TextStyle},
            "12 #280a141e 0");
        row("colour", QStringList {"basicColor6"}, QList<int> {P::TextColor}, "12 #ff007ff5 0");
        row("size", QStringList {"fontSizeCbo_"}, QList<int> {P::TextSize}, "14 #280a141e 0");
    }

    void textChoices()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QList<int>, written);
        QFETCH(QString, announced);
        P preferences;
        prepare(preferences,
                {{P::TextSize, 13}, {P::TextColor, P::encodeColor(QColor(10, 20, 30, 40))}});
        TextPopup popup;
        popup.setPreferences(&preferences);
        QSignalSpy spy(&popup, &TextPopup::fontChanged);
        for (const QString &name : clicks)
            activate(&popup, name);
        QCOMPARE(spy.count(), clicks.size());
        QCOMPARE(described(spy.last()), announced);
        QCOMPARE(unsavedSlots(preferences), written);
        const QStringList parts = announced.split(' ');
        const int storedAs[] = {parts[0].toInt(), P::encodeColor(QColor(parts[1])),
                                parts[2].toInt()};
        for (int slot : written)
            QCOMPARE(preferences.getInt(slot, -1), storedAs[slot - P::TextSize]);
    }

    void cropLimits_data()
    {
        QTest::addColumn<QSize>("maximum");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<int>("announcements");
        row("inside", QSize(640, 480), QSize(320, 200), QSize(320, 200), 1);
        row("too large", QSize(640, 480), QSize(1000, 480), QSize(640, 480), 1);
        row("too small", QSize(640, 480), QSize(0, -5), QSize(1, 1), 0);
        row("empty image", QSize(0, 0), QSize(10, 10), QSize(1, 1), 0);
    }

    // The spin boxes stay within the image, and a new size is announced once, whole.
    void cropLimits()
    {
        QFETCH(QSize, maximum);
        QFETCH(QSize, wanted);
        QFETCH(QSize, shown);
        QFETCH(int, announcements);
        CropPopup popup;
        popup.setMaximumSize(maximum);
        auto *width = popup.findChild<QSpinBox *>("widthSpinBox_");
        auto *height = popup.findChild<QSpinBox *>("heightSpinBox_");
        QCOMPARE(QSize(width->maximum(), height->maximum()), maximum.expandedTo(QSize(1, 1)));
        QCOMPARE(QSize(width->minimum(), height->minimum()), QSize(1, 1));
        QSignalSpy spy(&popup, &CropPopup::sizeChanged);
        popup.setSize(wanted);
        QCOMPARE(popup.size(), shown);
        QCOMPARE(spy.count(), announcements);
        if (announcements)
            QCOMPARE(spy.first().first().toSize(), shown);
    }

    // The samples are the picture in blocks of each strength, each differing from the rest.
    void mosaicSamples()
    {
        MosaicPopup popup;
        QList<QImage> seen {
                popup.findChild<QLabel *>("originalImage")->pixmap(Qt::ReturnByValue).toImage()};
        for (const char *name : {"weakImage", "mediumImage", "strongImage"}) {
            const QImage shown =
                    popup.findChild<QLabel *>(name)->pixmap(Qt::ReturnByValue).toImage();
            const int strength = seen.size() == 1 ? 4 : seen.size() == 2 ? 6 : 9;
            QVERIFY(!shown.isNull());
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    QCOMPARE(shown.pixel(x, y), shown.pixel(x - x % strength, y - y % strength));
            QVERIFY2(!seen.contains(shown), name);
            seen << shown;
        }
    }
};

QTEST_MAIN(tst_ToolPopups)
#include "tst_ToolPopups.moc"

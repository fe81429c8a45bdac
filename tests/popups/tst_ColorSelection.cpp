#include "popups/ColorPalettes.h"
#include "popups/ColorPicker.h"
#include "popups/ColorSelectButton.h"
#include "popups/ColorSelectPopup.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using P = KestrelPreferences;
using Colors = QList<QColor>;

namespace {

// The custom slots as the user sees them: the colours of the shown ones, in order.
Colors shownCustomColors(const ColorSelectPopup &palette)
{
    Colors shown;
    for (int i = 0; i < ColorSelectPopup::kCustomColorCount; ++i) {
        auto *slot = palette.findChild<ColorSelectButton *>(QStringLiteral("customColor%1").arg(i));
        if (!slot->isHidden())
            shown << slot->color();
    }
    return shown;
}

} // namespace

class tst_ColorSelection : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnvironment::resetRegistry(); }

    void customColors_data()
    {
        QTest::addColumn<Colors>("mixed");
        QTest::addColumn<Colors>("kept");
        QTest::addColumn<bool>("withStore");
        const QColor a(1, 1, 1), b(2, 2, 2), c(3, 3, 3), d(4, 4, 4), e(5, 5, 5);
        for (bool store : {true, false}) {
            const QByteArray tail = store ? "" : ", no store";
            row("fifth drops the oldest" + tail, Colors {a, b, c, d, e}, Colors {e, d, c, b},
                store);
            row("repeat moves to the front" + tail, Colors {a, b, c, a}, Colors {a, c, b}, store);
        }
    }

    // Mixed colours collect newest first, the newest checked and announced; with a store
    // they are kept there under the palette's own tool (here the figure fill).
    void customColors()
    {
        QFETCH(Colors, mixed);
        QFETCH(Colors, kept);
        QFETCH(bool, withStore);
        P preferences;
        QVERIFY(preferences.initialize());
        ColorSelectPopup palette;
        palette.setCustomColorPath(P::kFigureFillCustomColorPath,
                                   withStore ? &preferences : nullptr);
        QSignalSpy chosen(&palette, &ColorSelectPopup::colorSelected);
        for (const QColor &color : mixed)
            palette.addCustomColor(color);
        QCOMPARE(shownCustomColors(palette), kept);
        QVERIFY(palette.findChild<ColorSelectButton *>("customColor0")->isChecked());
        QCOMPARE(chosen.count(), mixed.size());
        QCOMPARE(chosen.last().first().value<QColor>(), mixed.last());
        Colors stored;
        preferences.customColors(P::kFigureFillCustomColorPath, stored);
        QCOMPARE(stored, withStore ? kept : Colors());
    }

    // A list edited by hand shows its usable colours once each and is left as it is.
    void customColorsWithJunk()
    {
        P preferences;
        QVERIFY(preferences.initialize());
        const Colors junk {Qt::red, QColor(), Qt::red, QColor(0, 0, 0, 0)};
        preferences.setCustomColors(P::kTextCustomColorPath, junk);
        ColorSelectPopup palette;
        palette.setCustomColorPath(P::kTextCustomColorPath, &preferences);
        QCOMPARE(shownCustomColors(palette), (Colors {Qt::red, QColor(0, 0, 0, 0)}));
        palette.setColor(QColor(0, 0, 0, 0));
        QVERIFY(palette.findChild<ColorSelectButton *>("customColor1")->isChecked());
        Colors stored;
        preferences.customColors(P::kTextCustomColorPath, stored);
        QCOMPARE(stored, junk);
    }

    // setColor checks the swatch of that exact colour, the transparent one included; a
    // colour the palette lacks stays the current colour with no swatch checked.
    void setColor_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("checked");
        row("transparent", QColor(0, 0, 0, 0), QString("basicColor9"));
        row("black", QColor(0, 0, 0), QString("basicColor0"));
        row("translucent black", QColor(0, 0, 0, 128), QString());
    }

    void setColor()
    {
        QFETCH(QColor, color);
        ColorSelectPopup palette;
        palette.setBasicColors(ColorPalettes::figure());
        palette.setColor(Qt::red);
        palette.setColor(color);
        palette.setColor(QColor());
        QCOMPARE(palette.color(), color);
        QString found;
        const auto swatches = palette.findChildren<ColorSelectButton *>();
        for (ColorSelectButton *swatch : swatches)
            found += swatch->isChecked() ? swatch->objectName() : QString();
        QTEST(found, "checked");
    }

    // The transparent swatch is white with a red slash, not the panel's background.
    void transparentSwatch()
    {
        const QImage image = ColorSelectButton::swatch(QColor(0, 0, 0, 0), QSize(20, 20)).toImage();
        const QColor corner = image.pixelColor(3, 3);
        const QColor slash = image.pixelColor(10, 10);
        QCOMPARE(corner, QColor(Qt::white));
        QVERIFY(slash.red() > 200 && slash.green() < 100 && slash.blue() < 100);
    }

    void hexEdit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("mixed");
        const QColor unchanged(10, 20, 30);
        row("six digits", QString("#12ab9F"), QColor(0x12, 0xab, 0x9f));
        row("three digits", QString("#AbC"), QColor(0xaa, 0xbb, 0xcc));
        row("four digits", QString("#1234"), unchanged);
        row("no hash", QString("123456"), unchanged);
        row("not hex", QString("#12345g"), unchanged);
        row("too long", QString("#1234567"), QColor(0x12, 0x34, 0x56));
    }

    // The hex entry mixes the colour it spells, and only a complete one.
    void hexEdit()
    {
        QFETCH(QString, typed);
        ColorPicker picker;
        picker.setColor(QColor(10, 20, 30, 128));
        QCOMPARE(picker.currentColor(), QColor(Qt::white));
        picker.setColor(QColor(10, 20, 30));
        auto *hex = picker.findChild<QLineEdit *>("hexEdit_");
        QCOMPARE(hex->text(), QString("#0a141e"));
        hex->selectAll();
        hex->insert(typed);
        QTEST(picker.currentColor(), "mixed");
    }

    // Leaving the mixer with Escape goes back to the palette without choosing anything.
    void mixerEscape()
    {
        ColorSelectPopup palette;
        palette.setBasicColors(ColorPalettes::penAndText());
        palette.setColor(Qt::white);
        QMenu *mixer = palette.findChild<QPushButton *>("colorPickerBtn_")->menu();
        QSignalSpy chosen(&palette, &ColorSelectPopup::colorSelected);
        mixer->popup(QPoint(10, 10));
        QTest::keyClick(mixer, Qt::Key_Escape);
        QVERIFY(!mixer->isVisible());
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(palette.customColors(), Colors());
        palette.findChild<ColorPicker *>()->findChild<QPushButton *>("okBtn_")->click();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(palette.customColors(), Colors {Qt::white});
    }
};

QTEST_MAIN(tst_ColorSelection)
#include "tst_ColorSelection.moc"

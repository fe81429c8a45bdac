#include "app/Application.h"
#include "support/TestRegistry.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Pixels that differ clearly from the colour of the bottom-left corner.
int inkedPixels(const QImage &image)
{
    const QColor background = image.pixelColor(0, image.height() - 1);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += qAbs(c.red() - background.red()) + qAbs(c.green() - background.green())
                            + qAbs(c.blue() - background.blue())
                    > 60;
        }
    }
    return count;
}

} // namespace

// The message box under the program's own style sheet.
class tst_MessageBoxLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qApp->setStyleSheet(Application::LoadStyleSheet());
        QVERIFY(!qApp->styleSheet().isEmpty());
    }

    void cleanupTestCase() { qApp->setStyleSheet(QString()); }

    // Every icon state draws a picture of its own; NoIcon draws none.
    void iconPictures()
    {
        QList<QImage> pictures;
        for (int icon = MessageBox::NoIcon; icon <= MessageBox::Success; ++icon) {
            MessageBox box(MessageBox::Icon(icon), "Kestrel", "Saved.", MessageBox::Yes);
            box.show();
            QLabel *label = box.findChild<QLabel *>("icon_");
            const QImage image = label->width() > 0 ? label->grab().toImage() : QImage();
            const int inked = image.isNull() ? 0 : inkedPixels(image);
            const QByteArray state = QByteArray::number(icon);
            if (icon == MessageBox::NoIcon) {
                QCOMPARE(inked, 0);
                continue;
            }
            QVERIFY2(inked > image.width() * image.height() / 8, state);
            QVERIFY2(!pictures.contains(image), state);
            pictures << image;
        }
    }

    void buttonsStyledByRole()
    {
        MessageBox box(MessageBox::Question, "Kestrel", "Delete?",
                       MessageBox::Yes | MessageBox::No);
        box.show();
        const auto fill = [&](MessageBox::StandardButton which) {
            QPushButton *button = box.button(which);
            return button->grab().toImage().pixelColor(4, button->height() / 2);
        };
        QVERIFY2(fill(MessageBox::Yes) != fill(MessageBox::No),
                 qPrintable(fill(MessageBox::Yes).name()));
    }
};

KESTREL_TEST(tst_MessageBoxLook)
#include "tst_MessageBoxLook.moc"

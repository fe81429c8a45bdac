#include "app/Application.h"
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

    // Every icon state draws a picture of its own, NoIcon none; the two kinds of button
    // look different.
    void pictures()
    {
        QList<QImage> pictures;
        for (int icon = MessageBox::NoIcon; icon <= MessageBox::Success; ++icon) {
            MessageBox box(MessageBox::Icon(icon), "Kestrel", "Delete?",
                           MessageBox::Yes | MessageBox::No);
            box.show();
            QLabel *label = box.findChild<QLabel *>("icon_");
            const QImage image = label->width() > 0 ? label->grab().toImage() : QImage();
            const int inked = image.isNull() ? 0 : inkedPixels(image);
            const QByteArray state = QByteArray::number(icon);
            QVERIFY2(icon ? inked > image.width() * image.height() / 8 : inked == 0, state);
            QVERIFY2(!pictures.contains(image), state);
            pictures << image;
            // A button of no role keeps the toolkit's look.
            QPushButton plain("No", &box);
            plain.resize(box.button(MessageBox::No)->size());
            const auto fill = [](QPushButton *button) {
                return button->grab().toImage().pixelColor(4, button->height() / 2);
            };
            const QColor positive = fill(box.button(MessageBox::Yes));
            const QColor negative = fill(box.button(MessageBox::No));
            QVERIFY2(positive != negative && negative != fill(&plain) && positive != fill(&plain),
                     state);
        }
    }
};

QTEST_MAIN(tst_MessageBoxLook)
#include "tst_MessageBoxLook.moc"

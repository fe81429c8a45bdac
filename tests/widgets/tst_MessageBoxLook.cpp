#include "app/Application.h"
#include "support/TestRegistry.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Pixels that differ clearly from the box's background colour.
int inkedPixels(const QImage &image, QColor background)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - background.red()) + qAbs(c.green() - background.green())
                        + qAbs(c.blue() - background.blue())
                > 60)
                ++count;
        }
    }
    return count;
}

// KESTREL_GRAB_DIR=<folder> keeps the rendered boxes for a look.
void keep(QWidget &widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

// The message box under the program's own style sheet.
class tst_MessageBoxLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void iconPictures_data();
    void iconPictures();
    void buttonsStyledByRole();

private:
    QImage iconImage(MessageBox::Icon icon, const QString &name);
};

void tst_MessageBoxLook::initTestCase()
{
    const QString sheet = Application::LoadStyleSheet();
    QVERIFY(!sheet.isEmpty());
    qApp->setStyleSheet(sheet);
}

void tst_MessageBoxLook::cleanupTestCase()
{
    qApp->setStyleSheet(QString());
}

QImage tst_MessageBoxLook::iconImage(MessageBox::Icon icon, const QString &name)
{
    MessageBox box(icon, "Kestrel", "The capture was saved to the folder.",
                   MessageBox::Yes | MessageBox::No);
    box.setInformativeText("Open the folder now?");
    box.setCheckBox(new QCheckBox("Do not show this message again"));
    box.show();
    keep(box, name);
    QLabel *label = box.findChild<QLabel *>("icon_");
    return label->width() > 0 ? label->grab().toImage() : QImage();
}

void tst_MessageBoxLook::iconPictures_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("NoIcon") << 0 << false;
    QTest::newRow("Information") << 1 << true;
    QTest::newRow("Warning") << 2 << true;
    QTest::newRow("Critical") << 3 << true;
    QTest::newRow("Question") << 4 << true;
    QTest::newRow("Success") << 5 << true;
}

void tst_MessageBoxLook::iconPictures()
{
    QFETCH(int, icon);
    QFETCH(bool, drawn);

    const QImage image = iconImage(MessageBox::Icon(icon), QTest::currentDataTag());
    if (!drawn) {
        QVERIFY(image.isNull() || inkedPixels(image, Qt::white) == 0);
        return;
    }
    const QColor background = image.pixelColor(0, image.height() - 1);
    QVERIFY2(inkedPixels(image, background) > image.width() * image.height() / 8,
             "the icon label shows no picture");
    // Every state has a picture of its own.
    static QHash<int, QImage> seen;
    for (auto other = seen.cbegin(); other != seen.cend(); ++other)
        QVERIFY2(other.value() != image, qPrintable(QString::number(other.key())));
    seen.insert(icon, image);
}

void tst_MessageBoxLook::buttonsStyledByRole()
{
    MessageBox box(MessageBox::Question, "Kestrel", "Delete?", MessageBox::Yes | MessageBox::No);
    box.show();
    const auto fill = [](QPushButton *button) {
        return button->grab().toImage().pixelColor(4, button->height() / 2);
    };
    const QColor positive = fill(box.button(MessageBox::Yes));
    const QColor negative = fill(box.button(MessageBox::No));
    QVERIFY2(positive != negative, qPrintable(positive.name() + " " + negative.name()));
}

KESTREL_TEST(tst_MessageBoxLook)
#include "tst_MessageBoxLook.moc"

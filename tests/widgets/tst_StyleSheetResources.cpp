#include "app/Application.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

// The program's style sheet names pictures by resource path; Qt draws nothing, silently,
// for a path that is missing or does not load.
class tst_StyleSheetResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sheet_ = Application::LoadStyleSheet();
        QVERIFY(!sheet_.isEmpty());
    }

    void everyUrlLoads()
    {
        const QRegularExpression url(QStringLiteral("url\\(\\s*[\"']?([^\"')]*)"));
        int count = 0;
        for (auto it = url.globalMatch(sheet_); it.hasNext(); ++count) {
            const QString path = it.next().captured(1).trimmed();
            QVERIFY2(path.startsWith(QLatin1String(":/")), qPrintable(path));
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        }
        QVERIFY(count > 0);
    }

    // Each icon a message box can show has a rule with a picture of its own.
    void everyMessageBoxIconHasItsPicture()
    {
        QStringList pictures;
        for (int icon = MessageBox::Information; icon <= MessageBox::Success; ++icon) {
            const QString name = MessageBox::iconName(MessageBox::Icon(icon));
            const QRegularExpression rule(
                    QStringLiteral("\\[icon=\"%1\"\\]\\s*\\{[^}]*image:\\s*url\\(([^)]+)\\)")
                            .arg(name));
            const QString picture = rule.match(sheet_).captured(1);
            QVERIFY2(!picture.isEmpty() && !pictures.contains(picture), qPrintable(name));
            pictures << picture;
        }
    }

    // The buttons are named by their role only when the box shows, after the sheet has
    // styled them once; a button of no role keeps the toolkit's look.
    void buttonsTakeTheirRolesLook()
    {
        qApp->setStyleSheet(sheet_);
        MessageBox box(MessageBox::Question, "Kestrel", "Delete?",
                       MessageBox::Yes | MessageBox::No);
        QPushButton plain("No", &box);
        box.show();
        const auto fill = [](QPushButton *button) {
            return button->grab().toImage().pixelColor(4, button->height() / 2);
        };
        const QColor positive = fill(box.button(MessageBox::Yes));
        const QColor negative = fill(box.button(MessageBox::No));
        const QColor none = fill(&plain);
        qApp->setStyleSheet(QString());
        QVERIFY(positive != negative && positive != none && negative != none);
    }

private:
    QString sheet_;
};

QTEST_MAIN(tst_StyleSheetResources)
#include "tst_StyleSheetResources.moc"

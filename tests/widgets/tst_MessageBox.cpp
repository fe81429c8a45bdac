#include "support/ModalDialogAnswerer.h"
#include "widgets/MessageBox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

namespace {

// The static helpers by the icon each one shows.
using Helper = MessageBox::StandardButton (*)(QWidget *, const QString &, const QString &,
                                              MessageBox::StandardButtons,
                                              MessageBox::StandardButton);
const QHash<QString, Helper> kHelpers {{"Information", &MessageBox::information},
                                       {"Warning", &MessageBox::warning},
                                       {"Critical", &MessageBox::critical},
                                       {"Question", &MessageBox::question},
                                       {"Success", &MessageBox::success}};

const QList<MessageBox::StandardButton> kReplaced {
        MessageBox::Ok, MessageBox::Cancel, MessageBox::Yes, MessageBox::No, MessageBox::Close};

} // namespace

Q_DECLARE_METATYPE(MessageBox::StandardButton)
Q_DECLARE_METATYPE(MessageBox::StandardButtons)
Q_DECLARE_METATYPE(QDialogButtonBox::ButtonRole)

class tst_MessageBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ModalDialogAnswerer::disarmAll(); }

    // A standard button, or (NoButton) a button added by its text and role.
    void buttonsOnShow_data()
    {
        QTest::addColumn<MessageBox::StandardButton>("which");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDialogButtonBox::ButtonRole>("role");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("objectName");
        const auto none = QDialogButtonBox::InvalidRole;
        // clang-format off
        QTest::newRow("Ok") << MessageBox::Ok << "" << none << "Ok" << "positiveButton";
        QTest::newRow("Yes") << MessageBox::Yes << "" << none << "Yes(&Y)" << "positiveButton";
        QTest::newRow("No") << MessageBox::No << "" << none << "No(&N)" << "negativeButton";
        QTest::newRow("Close") << MessageBox::Close << "" << none << "Close" << "negativeButton";
        QTest::newRow("Apply") << MessageBox::Apply << "" << none << "Apply" << "positiveButton";
        QTest::newRow("Reset") << MessageBox::Reset << "" << none << "Reset" << "negativeButton";
        QTest::newRow("&Yes text") << MessageBox::NoButton << "&Yes" << QDialogButtonBox::AcceptRole << "Yes(&Y)" << "positiveButton";
        QTest::newRow("OK text, reject role") << MessageBox::NoButton << "OK" << QDialogButtonBox::RejectRole << "Ok" << "negativeButton";
        QTest::newRow("own text, action role") << MessageBox::NoButton << "Open(&V)" << QDialogButtonBox::ActionRole << "Open(&V)" << "negativeButton";
        QTest::newRow("Yes without mnemonic") << MessageBox::NoButton << "Yes" << QDialogButtonBox::YesRole << "Yes" << "positiveButton";
        // clang-format on
    }

    void buttonsOnShow()
    {
        QFETCH(MessageBox::StandardButton, which);
        QFETCH(QString, text);
        QFETCH(QDialogButtonBox::ButtonRole, role);
        QFETCH(QString, shown);
        QFETCH(QString, objectName);
        MessageBox box(MessageBox::Question, "Kestrel", "Delete?",
                       MessageBox::Yes | MessageBox::No);
        QPushButton *button = which ? box.addButton(which) : box.addButton(text, role);
        box.show();
        QCOMPARE(button->text(), shown);
        QCOMPARE(button->objectName(), objectName);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }

    void textMargins_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("informative");
        QTest::addColumn<bool>("twoLines");
        // clang-format off
        QTest::newRow("one line") << "Saved." << "" << false;
        QTest::newRow("two lines") << "Line one\nLine two" << "" << true;
        QTest::newRow("trailing line feed counts") << "Text\n" << "" << true;
        QTest::newRow("text and informative text") << "Text" << "More" << true;
        QTest::newRow("informative text only") << "" << "More" << false;
        // clang-format on
    }

    void textMargins()
    {
        QFETCH(QString, text);
        QFETCH(QString, informative);
        QFETCH(bool, twoLines);
        MessageBox box(MessageBox::Information, "Kestrel", text, MessageBox::Ok);
        box.setInformativeText(informative);
        const auto layout = box.findChild<QBoxLayout *>("textLayout_");
        for (const bool again : {false, true}) {
            box.show();
            const bool two = twoLines || again;
            QCOMPARE(layout->contentsMargins(),
                     two ? QMargins(0, 22, 20, 20) : QMargins(0, 26, 20, 25));
            QCOMPARE(layout->spacing(), two ? 10 : 0);
            QCOMPARE(box.findChild<QLabel *>("text_")->isVisible(), !box.text().isEmpty());
            QCOMPARE(box.findChild<QLabel *>("informativeText_")->isVisible(),
                     !informative.isEmpty());
            // The rule holds at every show: a line added later changes the margins.
            box.hide();
            box.setText(text + "\nand more");
        }
    }

    void checkBox()
    {
        MessageBox box(MessageBox::Question, "Kestrel", "Delete?", MessageBox::Yes);
        QPointer<QCheckBox> first = new QCheckBox("Skip");
        box.setCheckBox(first);
        box.setCheckBox(first); // the same box again keeps it
        QCOMPARE(box.checkBox(), first.data());
        QPointer<QCheckBox> second = new QCheckBox("Do not show this message again");
        box.setCheckBox(second);
        QCOMPARE(box.checkBox(), second.data());
        QTRY_VERIFY(first.isNull());
        QCOMPARE(box.findChildren<QCheckBox *>(), {second.data()});
        box.show();
        QVERIFY(second->isVisible());
        QCOMPARE(second->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(second->minimumWidth(),
                 QFontMetrics(second->font()).horizontalAdvance(second->text()) + 30);

        box.setCheckBox(nullptr);
        QVERIFY(!box.checkBox());
        QTRY_VERIFY(second.isNull());
    }

    void unknownIconShowsNone()
    {
        MessageBox box(MessageBox::Warning, "Kestrel", "Text");
        const QLabel *label = box.findChild<QLabel *>("icon_");
        for (const int icon : {0, 9}) {
            box.setIcon(MessageBox::Icon(icon));
            QCOMPARE(label->property("icon").toString(), QString("NoIcon"));
            box.setIcon(MessageBox::Critical);
        }
    }

    // Answered by a button's text, a standard button ("Discard") or the close button ("").
    void staticHelpers_data()
    {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<MessageBox::StandardButtons>("buttons");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<MessageBox::StandardButton>("result");
        const MessageBox::StandardButtons yesNo = MessageBox::Yes | MessageBox::No;
        // clang-format off
        QTest::newRow("question, Yes") << "Question" << yesNo << "Yes(&Y)" << MessageBox::Yes;
        QTest::newRow("question, No") << "Question" << yesNo << "No(&N)" << MessageBox::No;
        QTest::newRow("question, closed") << "Question" << yesNo << "" << MessageBox::NoButton;
        QTest::newRow("critical, Cancel") << "Critical" << (MessageBox::Retry | MessageBox::Cancel) << "Cancel" << MessageBox::Cancel;
        QTest::newRow("success, Close") << "Success" << MessageBox::StandardButtons(MessageBox::Close) << "Close" << MessageBox::Close;
        // Buttons whose role does not close a plain dialog.
        QTest::newRow("information, Discard") << "Information" << (MessageBox::Discard | MessageBox::Cancel) << "Discard" << MessageBox::Discard;
        QTest::newRow("warning, Apply") << "Warning" << (MessageBox::Apply | MessageBox::Cancel) << "Apply" << MessageBox::Apply;
        // clang-format on
    }

    void staticHelpers()
    {
        QFETCH(QString, icon);
        QFETCH(MessageBox::StandardButtons, buttons);
        QFETCH(QString, answer);
        QFETCH(MessageBox::StandardButton, result);
        QWidget parent;
        const auto seen = answer.isEmpty() ? ModalDialogAnswerer::closeWindow()
                : answer == "Discard"
                ? ModalDialogAnswerer::clickStandardButton(QDialogButtonBox::Discard)
                : ModalDialogAnswerer::clickButton(answer);
        QCOMPARE(kHelpers[icon](&parent, "Title", "The text", buttons, MessageBox::NoButton),
                 result);
        QCOMPARE(seen->className, QStringLiteral("MessageBox"));
        QCOMPARE(seen->title, QStringLiteral("Title"));
        QVERIFY(seen->labels.contains("The text"));
        QCOMPARE(seen->icon.toString(), icon);
    }

    void defaultButtonOnlyFromTheBox()
    {
        MessageBox box(MessageBox::Question, "Kestrel", "Text", MessageBox::Yes | MessageBox::No);
        QPushButton stranger("Stranger");
        box.setDefaultButton(&stranger);
        QVERIFY(!stranger.isDefault());
        box.setDefaultButton(MessageBox::No);
        QVERIFY(box.button(MessageBox::No)->isDefault());
        QVERIFY(!box.button(MessageBox::Yes)->isDefault());
    }

    // Later flows ask several questions in a row, some while another dialog is up.
    void answersFollowingQuestionsInTurn()
    {
        const auto first = ModalDialogAnswerer::clickButton("Yes(&Y)");
        const auto second = ModalDialogAnswerer::closeWindow();
        QCOMPARE(MessageBox::question(nullptr, "Kestrel", "First?"), MessageBox::Yes);
        QCOMPARE(MessageBox::question(nullptr, "Kestrel", "Second?"), MessageBox::NoButton);
        QVERIFY(first->labels.contains("First?"));
        QVERIFY(second->labels.contains("Second?"));

        MessageBox outer(MessageBox::Warning, "Kestrel", "Outer", MessageBox::Ok);
        MessageBox::StandardButton inner = MessageBox::NoButton;
        std::shared_ptr<ModalDialogAnswerer::Seen> nested;
        const auto outerAnswer = ModalDialogAnswerer::answer([&](QWidget *dialog) {
            nested = ModalDialogAnswerer::clickButton("No(&N)");
            inner = MessageBox::question(dialog, "Kestrel", "Inner?");
            outer.button(MessageBox::Ok)->click();
        });
        QCOMPARE(outer.exec(), int(QDialog::Accepted));
        QCOMPARE(inner, MessageBox::No);
        QVERIFY(outerAnswer->labels.contains("Outer"));
        QVERIFY(nested && nested->labels.contains("Inner?"));
    }

    void koreanButtonTexts()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/KestrelEditor_ko.qm")));
        QCoreApplication::installTranslator(&translator);
        MessageBox box(MessageBox::Question, QString(), "?");
        for (const MessageBox::StandardButton which : kReplaced)
            box.addButton(which);
        box.show(); // the texts of the standard buttons are replaced when the box shows
        QStringList texts {box.windowTitle()};
        for (const MessageBox::StandardButton which : kReplaced)
            texts << box.button(which)->text();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(texts.join(QLatin1Char('\n')),
                 QString::fromUtf8("Kestrel\n확인\n취소\n예(&Y)\n아니요(&N)\n닫기"));
    }
};

QTEST_MAIN(tst_MessageBox)
#include "tst_MessageBox.moc"

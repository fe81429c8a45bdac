#include "support/ModalDialogAnswerer.h"
#include "widgets/MessageBox.h"

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
        QFETCH(QString, objectName);
        MessageBox box(MessageBox::Question, "Kestrel", "Delete?",
                       MessageBox::Yes | MessageBox::No);
        QPushButton *button = which ? box.addButton(which) : box.addButton(text, role);
        box.show();
        QTEST(button->text(), "shown");
        QCOMPARE(button->objectName(), objectName);
    }

    // Each label shows only while it has text, judged again at every show.
    void textLabelsFollowTheirTexts()
    {
        MessageBox box(MessageBox::Information, "Kestrel", "Saved.", MessageBox::Ok);
        const QLabel *text = box.findChild<QLabel *>("text_");
        const QLabel *informative = box.findChild<QLabel *>("informativeText_");
        for (const QString &more : {QString(), QStringLiteral("More")}) {
            box.setInformativeText(more);
            box.show();
            QVERIFY(text->isVisible());
            QCOMPARE(informative->isVisible(), !more.isEmpty());
            box.hide();
        }
        box.setText(QString());
        box.show();
        QVERIFY(!text->isVisible() && informative->isVisible());
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

#include "support/ModalDialogAnswerer.h"
#include "support/TestRegistry.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <functional>

namespace {

using Helper = std::function<MessageBox::StandardButton(QWidget *, const QString &, const QString &,
                                                        MessageBox::StandardButtons,
                                                        MessageBox::StandardButton)>;

Helper helperNamed(const QString &name)
{
    if (name == "information")
        return &MessageBox::information;
    if (name == "warning")
        return &MessageBox::warning;
    if (name == "critical")
        return &MessageBox::critical;
    if (name == "question")
        return &MessageBox::question;
    return &MessageBox::success;
}

QMargins textLayoutMargins(const MessageBox &box)
{
    return box.findChild<QBoxLayout *>(QStringLiteral("textLayout_"))->contentsMargins();
}

// Shows a box with the Korean catalogue installed and prints its button texts.
int showKoreanBox(const QStringList &)
{
    QTranslator translator;
    if (!translator.load(QStringLiteral(":/KestrelEditor_ko.qm")))
        return 2;
    QCoreApplication::installTranslator(&translator);
    MessageBox box(MessageBox::Question, QString(), QStringLiteral("?"),
                   MessageBox::Ok | MessageBox::Cancel | MessageBox::Yes | MessageBox::No
                           | MessageBox::Close);
    box.show();
    QStringList lines {box.windowTitle()};
    for (const MessageBox::StandardButton which :
         {MessageBox::Ok, MessageBox::Cancel, MessageBox::Yes, MessageBox::No, MessageBox::Close})
        lines << box.button(which)->text();
    QTextStream(stdout) << lines.join(QLatin1Char('\n'));
    return 0;
}
KESTREL_CHILD("korean-message-box", showKoreanBox)

} // namespace

Q_DECLARE_METATYPE(MessageBox::StandardButton)
Q_DECLARE_METATYPE(MessageBox::StandardButtons)
Q_DECLARE_METATYPE(QDialogButtonBox::ButtonRole)
Q_DECLARE_METATYPE(QMargins)

class tst_MessageBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void standardButtonsOnShow_data();
    void standardButtonsOnShow();
    void addedButtonsOnShow_data();
    void addedButtonsOnShow();
    void buttonsShowPointingHand();
    void textMargins_data();
    void textMargins();
    void checkBoxReplaced();
    void checkBoxWidth();
    void iconProperty_data();
    void iconProperty();
    void staticHelpers_data();
    void staticHelpers();
    void defaultButtonOnlyFromTheBox();
    void answersFollowingQuestionsInTurn();
    void koreanButtonTexts();
};

void tst_MessageBox::cleanup()
{
    ModalDialogAnswerer::disarmAll();
}

void tst_MessageBox::standardButtonsOnShow_data()
{
    QTest::addColumn<MessageBox::StandardButton>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("objectName");

    QTest::newRow("Ok") << MessageBox::Ok << "Ok"
                        << "positiveButton";
    QTest::newRow("Cancel") << MessageBox::Cancel << "Cancel"
                            << "negativeButton";
    QTest::newRow("Yes") << MessageBox::Yes << "Yes(&Y)"
                         << "positiveButton";
    QTest::newRow("No") << MessageBox::No << "No(&N)"
                        << "negativeButton";
    QTest::newRow("Close") << MessageBox::Close << "Close"
                           << "negativeButton";
    QTest::newRow("Apply keeps its text") << MessageBox::Apply << "Apply"
                                          << "positiveButton";
    QTest::newRow("Retry keeps its text") << MessageBox::Retry << "Retry"
                                          << "positiveButton";
    QTest::newRow("Reset keeps its text") << MessageBox::Reset << "Reset"
                                          << "negativeButton";
}

void tst_MessageBox::standardButtonsOnShow()
{
    QFETCH(MessageBox::StandardButton, which);
    QFETCH(QString, text);
    QFETCH(QString, objectName);

    MessageBox box(MessageBox::Question, "Kestrel", "Delete?", MessageBox::Yes | MessageBox::No);
    box.addButton(which);
    box.show();

    QPushButton *button = box.button(which);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->objectName(), objectName);
}

void tst_MessageBox::addedButtonsOnShow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDialogButtonBox::ButtonRole>("role");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QString>("objectName");

    QTest::newRow("plain Yes text, accept role")
            << "&Yes" << QDialogButtonBox::AcceptRole << "Yes(&Y)"
            << "positiveButton";
    QTest::newRow("plain No text, no role") << "&No" << QDialogButtonBox::NoRole << "No(&N)"
                                            << "negativeButton";
    QTest::newRow("own text, accept role")
            << "Open result window" << QDialogButtonBox::AcceptRole << "Open result window"
            << "positiveButton";
    QTest::newRow("own text, action role")
            << "Open Image(&V)" << QDialogButtonBox::ActionRole << "Open Image(&V)"
            << "negativeButton";
    QTest::newRow("OK text, reject role") << "OK" << QDialogButtonBox::RejectRole << "Ok"
                                          << "negativeButton";
    QTest::newRow("mnemonic-less Yes is not replaced")
            << "Yes" << QDialogButtonBox::YesRole << "Yes"
            << "positiveButton";
}

void tst_MessageBox::addedButtonsOnShow()
{
    QFETCH(QString, text);
    QFETCH(QDialogButtonBox::ButtonRole, role);
    QFETCH(QString, shownText);
    QFETCH(QString, objectName);

    MessageBox box;
    QPushButton *button = box.addButton(text, role);
    box.show();

    QCOMPARE(button->text(), shownText);
    QCOMPARE(button->objectName(), objectName);
    QCOMPARE(box.buttonRole(button), role);
}

void tst_MessageBox::buttonsShowPointingHand()
{
    MessageBox box(MessageBox::Warning, "Kestrel", "Text", MessageBox::Ok | MessageBox::Cancel);
    box.setCheckBox(new QCheckBox("Skip"));
    box.show();

    const auto buttons = box.findChildren<QAbstractButton *>();
    QCOMPARE(buttons.size(), 3);
    for (const QAbstractButton *button : buttons)
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
}

void tst_MessageBox::textMargins_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("informative");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<bool>("textShown");
    QTest::addColumn<bool>("informativeShown");

    const QMargins oneLine(0, 26, 20, 25);
    const QMargins twoLines(0, 22, 20, 20);
    QTest::newRow("one line") << "Saved."
                              << "" << oneLine << 0 << true << false;
    QTest::newRow("two lines") << "Line one\nLine two"
                               << "" << twoLines << 10 << true << false;
    QTest::newRow("text and informative text") << "Text"
                                               << "More" << twoLines << 10 << true << true;
    QTest::newRow("informative text only") << ""
                                           << "More" << oneLine << 0 << false << true;
    QTest::newRow("no text at all") << ""
                                    << "" << oneLine << 0 << false << false;
    QTest::newRow("trailing line feed counts") << "Text\n"
                                               << "" << twoLines << 10 << true << false;
}

void tst_MessageBox::textMargins()
{
    QFETCH(QString, text);
    QFETCH(QString, informative);
    QFETCH(QMargins, margins);
    QFETCH(int, spacing);
    QFETCH(bool, textShown);
    QFETCH(bool, informativeShown);

    MessageBox box(MessageBox::Information, "Kestrel", text, MessageBox::Ok);
    box.setInformativeText(informative);
    box.show();

    QCOMPARE(textLayoutMargins(box), margins);
    QCOMPARE(box.findChild<QBoxLayout *>("textLayout_")->spacing(), spacing);
    QCOMPARE(box.findChild<QLabel *>("text_")->isVisible(), textShown);
    QCOMPARE(box.findChild<QLabel *>("informativeText_")->isVisible(), informativeShown);

    // The rule is applied at every show: a second line added later changes the margins.
    box.hide();
    box.setText(text + "\nand more");
    box.show();
    QCOMPARE(textLayoutMargins(box), QMargins(0, 22, 20, 20));
}

void tst_MessageBox::checkBoxReplaced()
{
    MessageBox box;
    QPointer<QCheckBox> first = new QCheckBox("Skip");
    box.setCheckBox(first);
    box.setCheckBox(first); // the same box again keeps it
    QCOMPARE(box.checkBox(), first.data());
    QCOMPARE(first->parentWidget(), &box);

    QPointer<QCheckBox> second = new QCheckBox("Do not ask again");
    box.setCheckBox(second);

    QCOMPARE(box.checkBox(), second.data());
    QCOMPARE(second->parentWidget(), &box);
    QVERIFY(!first || first->parentWidget() != &box);
    QTRY_VERIFY(first.isNull());
    QCOMPARE(box.findChildren<QCheckBox *>().size(), 1);

    box.setCheckBox(nullptr);
    QVERIFY(!box.checkBox());
    QTRY_VERIFY(second.isNull());
}

void tst_MessageBox::checkBoxWidth()
{
    MessageBox box(MessageBox::Question, "Kestrel", "Delete the capture?", MessageBox::Yes);
    auto *checkBox = new QCheckBox("Do not show this message again");
    box.setCheckBox(checkBox);
    box.show();

    QCOMPARE(checkBox->minimumWidth(),
             QFontMetrics(checkBox->font()).horizontalAdvance(checkBox->text()) + 30);
    QVERIFY(checkBox->isVisible());
}

void tst_MessageBox::iconProperty_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("name");

    QTest::newRow("0") << 0 << "NoIcon";
    QTest::newRow("1") << 1 << "Information";
    QTest::newRow("2") << 2 << "Warning";
    QTest::newRow("3") << 3 << "Critical";
    QTest::newRow("4") << 4 << "Question";
    QTest::newRow("5") << 5 << "Success";
    QTest::newRow("out of range") << 9 << "NoIcon";
}

void tst_MessageBox::iconProperty()
{
    QFETCH(int, icon);
    QFETCH(QString, name);

    // Start from another icon so the property really changes.
    MessageBox box(icon == 2 ? MessageBox::Critical : MessageBox::Warning, "Kestrel", "Text");
    box.setIcon(MessageBox::Icon(icon));

    QCOMPARE(box.icon(), MessageBox::Icon(icon));
    QCOMPARE(box.findChild<QLabel *>("icon_")->property("icon").toString(), name);
}

void tst_MessageBox::staticHelpers_data()
{
    QTest::addColumn<QString>("helper");
    QTest::addColumn<MessageBox::StandardButtons>("buttons");
    QTest::addColumn<QString>("answer"); // a button to click, or "close"
    QTest::addColumn<MessageBox::StandardButton>("result");
    QTest::addColumn<QString>("icon");

    const MessageBox::StandardButtons yesNo = MessageBox::Yes | MessageBox::No;
    QTest::newRow("question, Yes")
            << "question" << yesNo << "Yes(&Y)" << MessageBox::Yes << "Question";
    QTest::newRow("question, No") << "question" << yesNo << "No(&N)" << MessageBox::No
                                  << "Question";
    QTest::newRow("question, close button")
            << "question" << yesNo << "close" << MessageBox::NoButton << "Question";
    QTest::newRow("warning, Ok") << "warning" << MessageBox::StandardButtons(MessageBox::Ok) << "Ok"
                                 << MessageBox::Ok << "Warning";
    QTest::newRow("information, close button")
            << "information" << MessageBox::StandardButtons(MessageBox::Ok) << "close"
            << MessageBox::NoButton << "Information";
    QTest::newRow("critical, Cancel") << "critical" << (MessageBox::Retry | MessageBox::Cancel)
                                      << "Cancel" << MessageBox::Cancel << "Critical";
    QTest::newRow("success, Close") << "success" << MessageBox::StandardButtons(MessageBox::Close)
                                    << "Close" << MessageBox::Close << "Success";
    // The button box closes the box only for accepting and rejecting roles.
    QTest::newRow("discard closes the box")
            << "warning" << (MessageBox::Discard | MessageBox::Cancel) << "Discard"
            << MessageBox::Discard << "Warning";
    QTest::newRow("apply closes the box")
            << "information" << (MessageBox::Apply | MessageBox::Cancel) << "Apply"
            << MessageBox::Apply << "Information";
}

void tst_MessageBox::staticHelpers()
{
    QFETCH(QString, helper);
    QFETCH(MessageBox::StandardButtons, buttons);
    QFETCH(QString, answer);
    QFETCH(MessageBox::StandardButton, result);
    QFETCH(QString, icon);

    QWidget parent;
    const auto seen = answer == "close" ? ModalDialogAnswerer::closeWindow()
            : answer == "Discard"
            ? ModalDialogAnswerer::clickStandardButton(QDialogButtonBox::Discard)
            : ModalDialogAnswerer::clickButton(answer);

    QCOMPARE(helperNamed(helper)(&parent, "Title", "The text", buttons, MessageBox::NoButton),
             result);
    QVERIFY(seen->answered);
    QCOMPARE(seen->className, QStringLiteral("MessageBox"));
    QCOMPARE(seen->title, QStringLiteral("Title"));
    QVERIFY(seen->labels.contains("The text"));
    QCOMPARE(seen->icon.toString(), icon);
}

void tst_MessageBox::defaultButtonOnlyFromTheBox()
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
void tst_MessageBox::answersFollowingQuestionsInTurn()
{
    const auto first = ModalDialogAnswerer::clickButton("Yes(&Y)");
    const auto second = ModalDialogAnswerer::closeWindow();
    QCOMPARE(MessageBox::question(nullptr, "Kestrel", "First?"), MessageBox::Yes);
    QCOMPARE(MessageBox::question(nullptr, "Kestrel", "Second?"), MessageBox::NoButton);
    QVERIFY(first->labels.contains("First?"));
    QVERIFY(second->labels.contains("Second?"));

    // A question asked while another box is up is answered by its own answerer.
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

void tst_MessageBox::koreanButtonTexts()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--child", "korean-message-box"});
    QVERIFY(child.waitForFinished(30000));
    // Only the output counts: a sanitizer build may change the exit code of a clean run.
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    const QStringList expected {"Kestrel",
                                QString::fromUtf8("확인"),
                                QString::fromUtf8("취소"),
                                QString::fromUtf8("예(&Y)"),
                                QString::fromUtf8("아니요(&N)"),
                                QString::fromUtf8("닫기")};
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).split('\n'), expected);
}

KESTREL_TEST(tst_MessageBox)
#include "tst_MessageBox.moc"

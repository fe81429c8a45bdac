#include "mainwindow/EditorCommand.h"
#include "platform/CommandLineSplitter.h"
#include "support/DataRow.h"

#include <QTest>

using Action = EditorCommand::Action;
Q_DECLARE_METATYPE(EditorCommand::Action)

class tst_EditorCommand : public QObject
{
    Q_OBJECT

private slots:
    // One line each: whether it is carried out at all, what it does, and its values. The
    // saves columns tell which save follows: 2 automatic, 1 with the dialog, 0 none.
    void grammar_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<int>("saves");
        const QString exe = "\"KestrelEditor\" ";
        // clang-format off
        row("program path only", exe, true, Action::None, QString(), QPoint(), false, 0);
        row("path and point", exe + "/path C:/Cap.PNG /point 100 200", true, Action::Path, "C:/Cap.PNG", QPoint(100, 200), false, 0);
        row("words in any case, path keeps its case",
            exe + "/PATH \"D:/My Shots/A.png\" /Point 1 2 /SKIP", true, Action::Path,
            "D:/My Shots/A.png", QPoint(1, 2), true, 0);
        row("point missing a number voids the line", exe + "/path a.png /point 5", false, Action::None, QString(), QPoint(), false, 0);
        row("path missing its file voids the line", exe + "/show /path", false, Action::None, QString(), QPoint(), false, 0);
        row("show wins over path", exe + "/path a.png /show", true, Action::Show, "a.png", QPoint(), false, 0);
        row("close wins over kill", exe + "/kill /close", true, Action::Close, QString(), QPoint(), false, 0);
        row("kill over show", exe + "/show /kill", true, Action::Kill, QString(), QPoint(), false, 0);
        row("hide over preference", exe + "/preference 2 /hide", true, Action::Hide, QString(), QPoint(), false, 0);
        row("preference over about", exe + "/about /preference 1", true, Action::Preference, QString(), QPoint(), false, 0);
        row("about over updateprefvalue", exe + "/updateprefvalue 48 1 /about", true, Action::About, QString(), QPoint(), false, 0);
        row("updateprefvalue over path", exe + "/path a.png /updateprefvalue 48 1", true, Action::UpdatePrefValue, "a.png", QPoint(), false, 0);
        row("autosave over save", exe + "/save /path a.png /autosave", true, Action::Path, "a.png", QPoint(), false, 2);
        row("save alone", exe + "/save", true, Action::None, QString(), QPoint(), false, 1);
        row("points that are not numbers", exe + "/path a.png /point x y", true, Action::Path, "a.png", QPoint(0, 0), false, 0);
        row("an argument that looks like a command", exe + "/path /kill /point /show 3", true, Action::Path, "/kill", QPoint(0, 3), false, 0);
        row("later arguments replace earlier ones", exe + "/path a.png /path b.png", true, Action::Path, "b.png", QPoint(), false, 0);
        row("skip alone does nothing", exe + "/skip", true, Action::None, QString(), QPoint(), true, 0);
        row("unknown words are skipped", exe + "/paths a.png stray /hide", true, Action::Hide, QString(), QPoint(), false, 0);
        // clang-format on
    }
    void grammar()
    {
        QFETCH(QString, line);
        const std::optional<EditorCommand> command = EditorCommand::parse(SplitCommandLine(line));
        QTEST(command.has_value(), "valid");
        if (!command)
            return;
        QTEST(command->action(), "action");
        QTEST(command->path, "path");
        QTEST(command->point, "point");
        QTEST(command->skip, "skip");
        QTEST(command->autoSave ? 2 : command->save ? 1 : 0, "saves");
    }

    void prefValues_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("value");
        QTest::addColumn<int>("page");
        row("on", "/updateprefvalue 48 1", 48, true, 0);
        row("any non-zero number is on", "/updateprefvalue 3 -7", 3, true, 0);
        row("off", "/updateprefvalue 48 0", 48, false, 0);
        row("not a number is off", "/updateprefvalue 48 yes", 48, false, 0);
        row("page", "/preference 3", 0, false, 3);
    }
    void prefValues()
    {
        QFETCH(QString, line);
        const std::optional<EditorCommand> command = EditorCommand::parse(SplitCommandLine(line));
        QVERIFY(command);
        QTEST(command->prefIndex, "index");
        QTEST(command->prefValue, "value");
        QTEST(command->preferencePage, "page");
    }
};

QTEST_MAIN(tst_EditorCommand)
#include "tst_EditorCommand.moc"

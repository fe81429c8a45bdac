#include "platform/CommandLineSplitter.h"

#include <QCoreApplication>
#include <QTest>

// The slots are defined outside the class: moc cannot read the raw strings of the table.
class tst_CommandLineSplitter : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
};

void tst_CommandLineSplitter::split_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("tokens");

    // clang-format off
    const QString self = QCoreApplication::applicationFilePath();
    QTest::newRow("empty line") << "" << QStringList {self};
    QTest::newRow("NUL at the start") << QString(QChar(0)) + "p a" << QStringList {self};
    QTest::newRow("NUL ends the line") << QString("p a") + QChar(0) + " b" << QStringList {"p", "a"};
    QTest::newRow("line feed ends program") << "test.exe\n/path x" << QStringList {"test.exe", "/path", "x"};
    QTest::newRow("control character ends program") << "p\x01" "a\x1f" << QStringList {"p", "a\x1f"};
    QTest::newRow("DEL does not end program") << "p\x7fq a" << QStringList {"p\x7fq", "a"};
    QTest::newRow("leading line feed") << "\na" << QStringList {"", "a"};
    QTest::newRow("one line feed ends program") << "p\n\na" << QStringList {"p", "\na"};
    QTest::newRow("leading space") << " a b" << QStringList {"", "a", "b"};
    QTest::newRow("leading tab") << "\ta" << QStringList {"", "a"};
    QTest::newRow("quoted program") << R"("C:\Program Files\k.exe" /show)" << QStringList {R"(C:\Program Files\k.exe)", "/show"};
    QTest::newRow("no escapes in quoted program") << R"("C:\dir\" a)" << QStringList {R"(C:\dir\)", "a"};
    QTest::newRow("quote inside unquoted program") << R"(pro"g a" b)" << QStringList {R"(pro"g)", "a b"};
    QTest::newRow("text right after quoted program") << R"("prog"next arg)" << QStringList {"prog", "next", "arg"};
    QTest::newRow("two quotes after quoted program") << R"("two"" a )" << QStringList {"two", " a "};
    QTest::newRow("three quotes after quoted program") << R"("three""" a)" << QStringList {"three", "", "a"};
    QTest::newRow("four quotes after quoted program") << R"("four""""a)" << QStringList {"four", R"("a)"};
    QTest::newRow("unterminated quoted program") << R"("prog a b)" << QStringList {"prog a b"};
    QTest::newRow("blanks, tabs, line feed") << "prog  a\t\tb\nc  " << QStringList {"prog", "a", "b\nc"};
    QTest::newRow("quotes inside a word") << R"(p a"b c"d)" << QStringList {"p", "ab cd"};
    QTest::newRow("doubled quote at line start") << R"("a""b c")" << QStringList {"a", "b c"};
    QTest::newRow("doubled quote after program") << R"(p "a""b c")" << QStringList {"p", R"(a"b)", "c"};
    QTest::newRow("empty argument") << R"(a "" b)" << QStringList {"a", "", "b"};
    QTest::newRow("empty last argument") << R"(p "")" << QStringList {"p", ""};
    QTest::newRow("three quotes") << R"(p """)" << QStringList {"p", R"(")"};
    QTest::newRow("tripled quotes in quotes") << R"(p "is """all""" one")" << QStringList {"p", R"(is "all" one)"};
    QTest::newRow("four quotes reopen") << R"(p """" x)" << QStringList {"p", R"(" x)"};
    QTest::newRow("unterminated quote") << R"(p "a b)" << QStringList {"p", "a b"};
    QTest::newRow("literal backslashes") << R"(p a\b c\\d e\\)" << QStringList {"p", R"(a\b)", R"(c\\d)", R"(e\\)"};
    QTest::newRow("one backslash escapes") << R"(p a\"b)" << QStringList {"p", R"(a"b)"};
    QTest::newRow("two backslashes, quote") << R"(p a\\"b c")" << QStringList {"p", R"(a\b c)"};
    QTest::newRow("three backslashes, quote") << R"(p a\\\"b)" << QStringList {"p", R"(a\"b)"};
    QTest::newRow("escaped quote in quotes") << R"(p "a\" b")" << QStringList {"p", R"(a" b)"};
    QTest::newRow("escaped quote, closing quote") << R"(p "a\""b")" << QStringList {"p", R"(a"b)"};
    QTest::newRow("non-Latin text") << QString::fromUtf8("p \"파일 이름.png\"") << QStringList {"p", QString::fromUtf8("파일 이름.png")};
    // clang-format on
}

void tst_CommandLineSplitter::split()
{
    QFETCH(QString, line);
    QTEST(SplitCommandLine(line), "tokens");
}

QTEST_MAIN(tst_CommandLineSplitter)
#include "tst_CommandLineSplitter.moc"

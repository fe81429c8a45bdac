#include "platform/CommandLineSplitter.h"
#include "support/TestRegistry.h"

#include <QTest>

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

    // The program path
    QTest::newRow("empty line") << "" << QStringList();
    QTest::newRow("program only") << "prog" << QStringList {"prog"};
    QTest::newRow("leading space") << " a b" << QStringList {"", "a", "b"};
    QTest::newRow("leading tab") << "\ta" << QStringList {"", "a"};
    QTest::newRow("blanks only") << "   " << QStringList {""};
    QTest::newRow("quoted program with spaces")
            << R"("C:\Program Files\Kestrel\KestrelEditor.exe" /show)"
            << QStringList {R"(C:\Program Files\Kestrel\KestrelEditor.exe)", "/show"};
    QTest::newRow("no escapes in quoted program")
            << R"("C:\dir\" a)" << QStringList {R"(C:\dir\)", "a"};
    QTest::newRow("quote inside unquoted program")
            << R"(pro"g a" b)" << QStringList {R"(pro"g)", "a b"};
    QTest::newRow("text right after quoted program")
            << R"("prog"next arg)" << QStringList {"prog", "next", "arg"};
    QTest::newRow("unterminated quoted program") << R"("prog a b)" << QStringList {"prog a b"};
    QTest::newRow("empty quoted program") << R"("" a)" << QStringList {"", "a"};

    // Separators
    QTest::newRow("blanks and tabs") << "prog  a\t\tb  " << QStringList {"prog", "a", "b"};
    QTest::newRow("line feed is no separator") << "prog a\nb" << QStringList {"prog", "a\nb"};

    // Quotes
    QTest::newRow("quoted argument") << R"(p "a b" c)" << QStringList {"p", "a b", "c"};
    QTest::newRow("quotes inside a word") << R"(p a"b"c)" << QStringList {"p", "abc"};
    QTest::newRow("doubled quote at line start follows the program rule")
            << R"("a""b c")" << QStringList {"a", "b c"};
    QTest::newRow("doubled quote after program")
            << R"(p "a""b c")" << QStringList {"p", R"(a"b)", "c"};
    QTest::newRow("empty argument") << R"(a "" b)" << QStringList {"a", "", "b"};
    QTest::newRow("empty last argument") << R"(p "")" << QStringList {"p", ""};
    QTest::newRow("three quotes") << R"(p """)" << QStringList {"p", R"(")"};
    QTest::newRow("four quotes reopen") << R"(p """" x)" << QStringList {"p", R"(" x)"};
    QTest::newRow("three quotes in quotes") << R"(p "a"""b)" << QStringList {"p", R"(a"b)"};
    QTest::newRow("unterminated quote") << R"(p "a b)" << QStringList {"p", "a b"};

    // Backslashes
    QTest::newRow("literal backslashes")
            << R"(p a\b c\\d e\\)" << QStringList {"p", R"(a\b)", R"(c\\d)", R"(e\\)"};
    QTest::newRow("one backslash escapes") << R"(p a\"b)" << QStringList {"p", R"(a"b)"};
    QTest::newRow("two backslashes then quote") << R"(p a\\"b c")" << QStringList {"p", R"(a\b c)"};
    QTest::newRow("three backslashes then quote") << R"(p a\\\"b)" << QStringList {"p", R"(a\"b)"};
    QTest::newRow("backslash closing a quoted path")
            << R"(p "C:\dir\\" b)" << QStringList {"p", R"(C:\dir\)", "b"};
    QTest::newRow("escaped quote inside quotes") << R"(p "a\" b")" << QStringList {"p", R"(a" b)"};
    QTest::newRow("escaped quote then opening quote")
            << R"(p \""a b")" << QStringList {"p", R"("a b)"};
    QTest::newRow("escaped quote then closing quote")
            << R"(p "a\""b")" << QStringList {"p", R"(a"b)"};

    // Lines as the capture program sends them
    QTest::newRow("capture command")
            << R"(KestrelEditor.exe /path "C:\Users\me\Temp\KesTempStorage\cap 1.png" /point 100 -20)"
            << QStringList {"KestrelEditor.exe",
                            "/path",
                            R"(C:\Users\me\Temp\KesTempStorage\cap 1.png)",
                            "/point",
                            "100",
                            "-20"};
    QTest::newRow("non-Latin text")
            << QString::fromUtf8("p 캡처 \"파일 이름.png\"")
            << QStringList {"p", QString::fromUtf8("캡처"), QString::fromUtf8("파일 이름.png")};
}

void tst_CommandLineSplitter::split()
{
    QFETCH(QString, line);
    QFETCH(QStringList, tokens);

    QCOMPARE(SplitCommandLine(line), tokens);
}

KESTREL_TEST(tst_CommandLineSplitter)
#include "tst_CommandLineSplitter.moc"

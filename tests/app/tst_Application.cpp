#include "app/Application.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

namespace {
QStringList warnings;

void captureWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        warnings << message;
}
} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void joinArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");

        QTest::newRow("no arguments at all") << QStringList() << QString();
        QTest::newRow("program only")
                << QStringList {"/opt/kestrel/KestrelEditor"} << R"("/opt/kestrel/KestrelEditor")";
        QTest::newRow("capture command")
                << QStringList {"K", "/path", "/tmp/a.png", "/point", "100", "-7"}
                << R"("K" "/path" "/tmp/a.png" "/point" "100" "-7")";
        QTest::newRow("spaces kept inside") << QStringList {"C:\\Program Files\\K.exe", "a b"}
                                            << R"("C:\Program Files\K.exe" "a b")";
        QTest::newRow("quote not escaped")
                << QStringList {"K", "say \"hi\""} << R"("K" "say "hi"")";
        QTest::newRow("empty argument") << QStringList {"K", "", "x"} << R"("K" "" "x")";
        QTest::newRow("empty program path") << QStringList {"", "x"} << R"("" "x")";
    }

    void joinArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        QCOMPARE(Application::JoinArguments(arguments), line);
    }

    void scaleStyleSheet_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("scaled");

        QTest::newRow("96 unchanged") << 96.0 << "a { margin: 0.5px 13px; }"
                                      << "a { margin: 0.5px 13px; }";
        QTest::newRow("144: 12px") << 144.0 << "QWidget { font-size: 12px; }"
                                   << "QWidget { font-size: 18px; }";
        QTest::newRow("144: 1px truncated") << 144.0 << "border: 1px solid;"
                                            << "border: 1px solid;";
        QTest::newRow("120: 10px truncated") << 120.0 << "padding: 10px"
                                             << "padding: 12px";
        QTest::newRow("144: 0.5px scales its last digit run") << 144.0 << "width: 0.5px"
                                                              << "width: 0.7px";
        QTest::newRow("144: every length") << 144.0 << "margin: 2px 4px 6px 8px; top:-10px"
                                           << "margin: 3px 6px 9px 12px; top:-15px";
        QTest::newRow("144: adjacent lengths") << 144.0 << "2px2px"
                                               << "3px3px";
        QTest::newRow("144: other units untouched") << 144.0 << "font: 10pt; w: 50%; h: 9em"
                                                    << "font: 10pt; w: 50%; h: 9em";
        QTest::newRow("144: px without digits") << 144.0 << "a: px; b: 4 px"
                                                << "a: px; b: 4 px";
        QTest::newRow("192: 9px grows a digit") << 192.0 << "9px 5px"
                                                << "18px 10px";
        QTest::newRow("11808: grown number scaled once") << 11808.0 << "1px"
                                                         << "123px";
        QTest::newRow("72: shrinks") << 72.0 << "10px 3px 1px"
                                     << "7px 2px 0px";
        QTest::newRow("144: no lengths") << 144.0 << QString() << QString();
    }

    void scaleStyleSheet()
    {
        QFETCH(double, dpi);
        QFETCH(QString, sheet);
        QFETCH(QString, scaled);
        QCOMPARE(Application::ScaleStyleSheetForDpi(sheet, dpi), scaled);
    }

    void resolveStyleVariables_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("resolved");

        QTest::newRow("one placeholder") << "a { color: |color1|; }"
                                         << "a { color: #112233; }";
        QTest::newRow("every occurrence") << "|color1| |color1|"
                                          << "#112233 #112233";
        QTest::newRow("value with commas") << "b: |color10|"
                                           << "b: rgba(1, 2, 3, 0.5)";
        QTest::newRow("color1 is no prefix of color10") << "|color10||color1|"
                                                        << "rgba(1, 2, 3, 0.5)#112233";
        QTest::newRow("case sensitive") << "|COLOR1|"
                                        << "|COLOR1|";
        QTest::newRow("unknown placeholder kept") << "|color7|"
                                                  << "|color7|";
    }

    void resolveStyleVariables()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, resolved);
        const QString path = TestEnvironment::tempDir() + QStringLiteral("/variables.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(
                "; palette\n[General]\n|color1|=\"#112233\"\n|color10|=\"rgba(1, 2, 3, 0.5)\"\n");
        file.close();
        QCOMPARE(Application::ResolveStyleVariables(sheet, path), resolved);
    }

    // Every placeholder the program's sheet uses must be in its palette.
    void programStyleSheetIsComplete()
    {
        const QString sheet = Application::LoadStyleSheet();
        QVERIFY(sheet.size() > 1000);
        const QRegularExpressionMatch left =
                QRegularExpression(QStringLiteral("\\|color[0-9]+\\|")).match(sheet);
        QVERIFY2(!left.hasMatch(), qPrintable(left.captured(0)));
        QCOMPARE(sheet.count(QLatin1Char('{')), sheet.count(QLatin1Char('}')));

        // Qt parses a sheet when it first polishes a widget and only warns when it cannot.
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureWarning);
        qApp->setStyleSheet(Application::ScaleStyleSheetForDpi(sheet, 144.0));
        QWidget widget;
        widget.ensurePolished();
        qApp->setStyleSheet(QString());
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }

    void translationCatalogue_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::newRow("crash reporter language") << "Application"
                                                 << "DADAD_EN.dll"
                                                 << "DADAD_KO.dll";
        QTest::newRow("locale") << "KestrelPreferences"
                                << "locale"
                                << "ko-kr";
    }

    void translationCatalogue()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QVERIFY(Application::LoadTranslation());
        QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source)), translation);
    }
};

KESTREL_TEST(ApplicationTest)
#include "tst_Application.moc"

#include "app/Application.h"
#include "support/DataRow.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

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
        row("none", QStringList(), QString());
        row("spaces", QStringList {"C:\\Program Files\\K.exe", "a b"},
            R"("C:\Program Files\K.exe" "a b")");
        row("quote not escaped", QStringList {"K", "say \"hi\""}, R"("K" "say "hi"")");
        row("empty arguments", QStringList {"", "x", ""}, R"("" "x" "")");
    }

    void joinArguments()
    {
        QFETCH(QStringList, arguments);
        QTEST(Application::JoinArguments(arguments), "line");
    }

    void scaleStyleSheet_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("scaled");
        row("96 unchanged", 96.0, "a { margin: 0.5px 13px; }", "a { margin: 0.5px 13px; }");
        row("144: 1px truncated", 144.0, "border: 1px solid;", "border: 1px solid;");
        row("120: 10px", 120.0, "padding: 10px", "padding: 12px");
        row("144: 0.5px", 144.0, "width: 0.5px", "width: 0.7px");
        row("144: every length", 144.0, "margin: 2px 4px;top:-10px;2px2px",
            "margin: 3px 6px;top:-15px;3px3px");
        row("144: other units", 144.0, "font: 10pt; w: 50%; a: px; b: 4 px",
            "font: 10pt; w: 50%; a: px; b: 4 px");
        row("11808: grown number scaled once", 11808.0, "1px", "123px");
        row("72: shrinks", 72.0, "10px 1px", "7px 0px");
    }

    void scaleStyleSheet()
    {
        QFETCH(double, dpi);
        QFETCH(QString, sheet);
        QTEST(Application::ScaleStyleSheetForDpi(sheet, dpi), "scaled");
    }

    void resolveStyleVariables_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("resolved");
        row("every occurrence", "|color1| |color1|", "#112233 #112233");
        row("no prefix match", "|color10||color1|", "rgba(1, 2, 3, 0.5)#112233");
        row("unknown kept", "|color7||COLOR1|", "|color7||COLOR1|");
    }

    void resolveStyleVariables()
    {
        QFETCH(QString, sheet);
        const QString path = TestEnvironment::tempDir() + QStringLiteral("/variables.ini");
        QVERIFY(writeBytes(path,
                           "[General]\n|color1|=\"#112233\"\n|color10|=\"rgba(1, 2, 3, 0.5)\"\n"));
        QTEST(Application::ResolveStyleVariables(sheet, path), "resolved");
    }

    // Qt only warns about a sheet it cannot parse, when it first polishes a widget.
    void programStyleSheetIsComplete()
    {
        const QString sheet = Application::LoadStyleSheet();
        QVERIFY(sheet.size() > 1000);
        const auto left = QRegularExpression(QStringLiteral("\\|color[0-9]+\\|")).match(sheet);
        QVERIFY2(!left.hasMatch(), qPrintable(left.captured(0)));
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureWarning);
        qApp->setStyleSheet(Application::ScaleStyleSheetForDpi(sheet, 144.0));
        QWidget().ensurePolished();
        qApp->setStyleSheet(QString());
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }
};

QTEST_MAIN(ApplicationTest)
#include "tst_Application.moc"

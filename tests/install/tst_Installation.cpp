#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <utility>

namespace {
const QString kAppId = QStringLiteral("example.norvane.KestrelEditor");

// Runs a program to its end; its output, or why it did not run, goes to the test log.
bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        qWarning("%s did not run: %s", qPrintable(program), qPrintable(process.errorString()));
        return false;
    }
    const QByteArray text = process.readAll();
    if (output)
        *output = text;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s %s:\n%s", qPrintable(program), qPrintable(arguments.join(' ')),
                 text.constData());
        return false;
    }
    return true;
}
} // namespace

// cmake --install into a temporary prefix, as a user or a packager would.
class tst_Installation : public QObject
{
    Q_OBJECT

private:
    const QString prefix_ = TestEnvironment::tempDir() + QStringLiteral("/prefix");

private slots:
    void initTestCase()
    {
        QVERIFY(run(QStringLiteral(KESTREL_CMAKE_COMMAND),
                    {"--install", KESTREL_BINARY_DIR, "--prefix", prefix_}));
    }

    void files_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path :
             {"bin/KestrelEditor", "bin/kestrel-capture", "libexec/kestrel/KestrelEditor",
              "libexec/kestrel/kestrel-capture",
              "share/applications/example.norvane.KestrelEditor.desktop",
              "share/applications/example.norvane.KestrelCapture.desktop",
              "share/metainfo/example.norvane.KestrelEditor.metainfo.xml",
              "share/icons/hicolor/scalable/apps/example.norvane.KestrelEditor.svg"})
            row(path, QString::fromLatin1(path));
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            row(qPrintable(QString::number(size)),
                QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
        // Beside the program, where the About box finds them, once the sources hold them.
        const std::pair<const char *, const char *> besideProgram[] {
                {"License.txt", "/LICENSE"},
                {"about_Kestrel_3_kr.bmp", "/res/about_Kestrel_3_kr.bmp"}};
        for (const auto &[file, source] : besideProgram) {
            if (QFileInfo::exists(QStringLiteral(KESTREL_SOURCE_DIR) + source))
                row(file, QStringLiteral("libexec/kestrel/") + file);
        }
    }

    void files()
    {
        QFETCH(QString, path);
        const QFileInfo installed(prefix_ + QLatin1Char('/') + path);
        QVERIFY2(installed.exists(), qPrintable(installed.filePath()));
        const QRegularExpression sized(QStringLiteral("/(\\d+)x\\1/"));
        const QRegularExpressionMatch size = sized.match(path);
        if (size.hasMatch()) {
            const int pixels = size.captured(1).toInt();
            QCOMPARE(QImage(installed.filePath()).size(), QSize(pixels, pixels));
        }
    }

    // The command links lead to the real programs, which then find their files and each
    // other beside themselves.
    void programsRun()
    {
        QByteArray version;
        QVERIFY(run(prefix_ + QStringLiteral("/bin/kestrel-capture"), {"--version"}, &version));
        QVERIFY2(version.contains(KESTREL_VERSION), version.constData());
        QCOMPARE(QFileInfo(prefix_ + QStringLiteral("/bin/KestrelEditor")).canonicalFilePath(),
                 QFileInfo(prefix_ + QStringLiteral("/libexec/kestrel/KestrelEditor"))
                         .canonicalFilePath());
    }

    void valid_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        for (const char *id : {"example.norvane.KestrelEditor", "example.norvane.KestrelCapture"})
            row(id, QStringLiteral("desktop-file-validate"),
                QStringList {prefix_ + QStringLiteral("/share/applications/%1.desktop").arg(id)});
        row("metainfo", QStringLiteral("appstreamcli"),
            QStringList {"validate", "--no-net",
                         prefix_ + QStringLiteral("/share/metainfo/%1.metainfo.xml").arg(kAppId)});
    }

    void valid()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QByteArray output;
        QVERIFY2(run(program, arguments, &output), output.constData());
        QVERIFY2(!output.contains("error") && !output.contains("warning"), output.constData());
    }
};

QTEST_MAIN(tst_Installation)
#include "tst_Installation.moc"

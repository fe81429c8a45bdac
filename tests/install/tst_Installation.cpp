#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
// Runs a program to its end and gives its output; a failure shows in the test log.
bool run(const QString &program, const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    *output = finished ? process.readAll() : process.errorString().toUtf8();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
} // namespace

// cmake --install into a temporary prefix, as a user or a packager would.
class tst_Installation : public QObject
{
    Q_OBJECT

    const QString prefix_ = TestEnvironment::tempDir() + "/prefix/";

private slots:
    void initTestCase()
    {
        QByteArray output;
        QVERIFY2(run(KESTREL_CMAKE_COMMAND, {"--install", KESTREL_BINARY_DIR, "--prefix", prefix_},
                     &output),
                 output.constData());
    }

    void files_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path :
             {"bin/KestrelEditor", "bin/kestrel-capture",
              "share/applications/example.norvane.KestrelEditor.desktop",
              "share/applications/example.norvane.KestrelCapture.desktop",
              "share/metainfo/example.norvane.KestrelEditor.metainfo.xml",
              "share/icons/hicolor/scalable/apps/example.norvane.KestrelEditor.svg",
              "share/icons/hicolor/16x16/apps/example.norvane.KestrelEditor.png",
              "share/icons/hicolor/48x48/apps/example.norvane.KestrelEditor.png",
              "share/icons/hicolor/256x256/apps/example.norvane.KestrelEditor.png"})
            row(path, QString::fromLatin1(path));
        // Beside the program, where the About box finds them, once the sources hold them.
        if (QFileInfo::exists(KESTREL_SOURCE_DIR "/LICENSE"))
            row("licence", QStringLiteral("libexec/kestrel/License.txt"));
        if (QFileInfo::exists(KESTREL_SOURCE_DIR "/res/about_Kestrel_3_kr.bmp"))
            row("About picture", QStringLiteral("libexec/kestrel/about_Kestrel_3_kr.bmp"));
    }

    void files()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo::exists(prefix_ + path), qPrintable(prefix_ + path));
        const QRegularExpressionMatch size = QRegularExpression("/(\\d+)x\\1/").match(path);
        if (size.hasMatch())
            QCOMPARE(QImage(prefix_ + path).width(), size.captured(1).toInt());
    }

    void valid_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("says");
        for (const char *id : {"KestrelEditor", "KestrelCapture"})
            row(id, QStringLiteral("desktop-file-validate"),
                QStringList {prefix_ + "share/applications/example.norvane." + id + ".desktop"},
                QByteArray());
        row("metainfo", QStringLiteral("appstreamcli"),
            QStringList {"validate", "--no-net",
                         prefix_ + "share/metainfo/example.norvane.KestrelEditor.metainfo.xml"},
            QByteArray("successful"));
        // The command links lead to the real programs, which find their files beside them.
        row("installed program", prefix_ + "bin/kestrel-capture", QStringList {"--version"},
            QByteArray(KESTREL_VERSION));
    }

    void valid()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, says);
        QByteArray output;
        QVERIFY2(run(program, arguments, &output), output.constData());
        QVERIFY2(output.contains(says) && !output.contains("error") && !output.contains("warning"),
                 output.constData());
    }
};

QTEST_MAIN(tst_Installation)
#include "tst_Installation.moc"

#include "services/AboutDialog.h"
#include "support/DataRow.h"
#include "support/FileBytes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

namespace {

// The test program's folder stands in for the program's.
QString besideProgram(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

} // namespace

class tst_AboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QFile::remove(besideProgram(AboutDialog::kPictureFile));
        QFile::remove(besideProgram(AboutDialog::kLicenseFile));
    }

    // The version shown is the project's.
    void version()
    {
        const QRegularExpression project(
                QStringLiteral("project\\(KestrelEditor VERSION ([0-9.]+)"));
        const QString cmake = QString::fromUtf8(readBytes(KESTREL_SOURCE_DIR "/CMakeLists.txt"));
        const QString projectVersion = project.match(cmake).captured(1);
        QVERIFY(!projectVersion.isEmpty());
        QCOMPARE(AboutDialog().findChild<QLabel *>("labelVersion")->text(), projectVersion);
    }

    // Files beside the program win; a missing, unreadable or empty one gives the copy built
    // into the program, so the box never shrinks to its frame.
    void files_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QByteArray>("license");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QString>("licenseStart");
        const QSize builtIn = QPixmap(":/res/about_Kestrel_3_kr.bmp").size();
        QImage image(120, 90, QImage::Format_RGB32);
        image.fill(Qt::green);
        QByteArray bmp;
        QBuffer buffer(&bmp);
        image.save(&buffer, "BMP");
        row("none beside the program", QByteArray(), QByteArray(), builtIn, "MIT License");
        row("both beside the program", bmp, QByteArray("Local terms\nline two"), QSize(120, 90),
            "Local terms line two");
        row("broken and empty files", QByteArray("not a picture"), QByteArray("\n \n"), builtIn,
            "MIT License");
    }

    void files()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QByteArray, license);
        QFETCH(QSize, pictureSize);
        QFETCH(QString, licenseStart);
        QVERIFY(!pictureSize.isEmpty());
        QVERIFY(picture.isEmpty() || writeBytes(besideProgram(AboutDialog::kPictureFile), picture));
        QVERIFY(license.isEmpty() || writeBytes(besideProgram(AboutDialog::kLicenseFile), license));
        AboutDialog about;
        about.show();
        const QLabel *label = about.findChild<QLabel *>("labelAbout");
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), pictureSize);
        QCOMPARE(label->size(), pictureSize);
        QVERIFY(about.width() >= pictureSize.width() + 30);
        QVERIFY(about.height() >= pictureSize.height() + 40);
        const QString shown = about.findChild<QTextBrowser *>("tbLicenseInfo")->toPlainText();
        QVERIFY2(shown.startsWith(licenseStart), qPrintable(shown.left(40)));
    }

    // The build puts the licence and the picture beside the program.
    void besideTheBuiltProgram()
    {
        const QString programDir = QFileInfo(KESTREL_EXECUTABLE).path();
        QCOMPARE(readBytes(programDir + "/License.txt"), readBytes(KESTREL_SOURCE_DIR "/LICENSE"));
        QCOMPARE(readBytes(programDir + "/about_Kestrel_3_kr.bmp"),
                 readBytes(KESTREL_SOURCE_DIR "/res/about_Kestrel_3_kr.bmp"));
        QVERIFY(readBytes(":/res/License.txt").startsWith("MIT License"));
    }
};

QTEST_MAIN(tst_AboutDialog)
#include "tst_AboutDialog.moc"

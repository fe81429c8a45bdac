#include "platform/CaptureStorage.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <unistd.h>

class tst_CaptureStorage : public QObject
{
    Q_OBJECT

    const QString parent_ = QDir::tempPath() + "/Norvane";
    const QString folder_ = CaptureStorage::folderPath();
    const QString elsewhere_ = TestEnvironment::root() + "/elsewhere";

private slots:
    void init()
    {
        QFile::remove(folder_);
        QFile::remove(parent_);
        QDir(parent_).removeRecursively();
        QDir(elsewhere_).removeRecursively();
        QVERIFY(QDir().mkpath(elsewhere_ + "/KesTempStorage"));
    }

    // Captures go to a private folder of this user under a private parent, neither of them a
    // link, each under a name of its own however fast they come.
    void folder_data()
    {
        columns<QString, bool>("setUp", "accepted");
        row("fresh", QString(), true);
        row("left open to others", QStringLiteral("open"), true);
        row("folder is a link", QStringLiteral("link"), false);
        row("parent is a link", QStringLiteral("parent link"), false);
        row("someone else's folder", QStringLiteral("foreign"), false);
    }

    void folder()
    {
        QFETCH(QString, setUp);
        QFETCH(bool, accepted);
        const auto all = QFile::Permissions(0x7777);
        if (setUp == "open" || setUp == "foreign" || setUp == "link")
            QVERIFY(QDir().mkpath(setUp == "link" ? parent_ : folder_));
        if (setUp == "open")
            QVERIFY(QFile::setPermissions(parent_, all) && QFile::setPermissions(folder_, all));
        if (setUp == "link")
            QVERIFY(QFile::link(elsewhere_, folder_));
        if (setUp == "parent link")
            QVERIFY(QFile::link(elsewhere_, parent_));
        if (setUp == "foreign" && ::geteuid() != 0)
            QSKIP("Only root can give a folder to somebody else.");
        if (setUp == "foreign")
            QCOMPARE(::chown(QFile::encodeName(folder_).constData(), 65534, 65534), 0);

        QString error;
        QSet<QString> files;
        for (int i = 0; i < 20; ++i)
            files << CaptureStorage::writeNew(QImage(4, 3, QImage::Format_RGB32), "K_", &error);
        QCOMPARE(error.isEmpty(), accepted);
        QVERIFY2(accepted || error.contains(parent_), qPrintable(error));
        QCOMPARE(QDir(elsewhere_).entryList(QDir::Files).size()
                         + QDir(elsewhere_ + "/KesTempStorage").entryList(QDir::Files).size(),
                 0);
        if (!accepted)
            return;
        QCOMPARE(files.size(), 20);
        for (const QString &file : files)
            QVERIFY(QFileInfo(file).path() == folder_ && QImage(file).size() == QSize(4, 3));
        for (const QString &path : {parent_, folder_})
            QCOMPARE(QFile::permissions(path) & QFile::Permissions(0x7077),
                     QFile::Permissions(0x7000));
    }
};

QTEST_MAIN(tst_CaptureStorage)
#include "tst_CaptureStorage.moc"

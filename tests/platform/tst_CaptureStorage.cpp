#include "platform/CaptureStorage.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTest>
#include <unistd.h>

namespace {
constexpr QFile::Permissions kPrivate = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
}

class tst_CaptureStorage : public QObject
{
    Q_OBJECT

private:
    const QString parent_ = QDir::tempPath() + QStringLiteral("/Norvane");
    const QString folder_ = CaptureStorage::folderPath();
    const QString elsewhere_ = TestEnvironment::root() + QStringLiteral("/elsewhere");

private slots:
    void init()
    {
        QFile::remove(folder_);
        QFile::remove(parent_);
        QDir(parent_).removeRecursively();
        QDir(elsewhere_).removeRecursively();
        QVERIFY(QDir().mkpath(elsewhere_));
    }

    void folder_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<bool>("accepted");
        row("fresh", QString(), true);
        row("left open to others", QStringLiteral("open"), true);
        row("folder is a link", QStringLiteral("link"), false);
        row("parent is a link", QStringLiteral("parent link"), false);
        row("folder is a file", QStringLiteral("file"), false);
        row("someone else's folder", QStringLiteral("foreign"), false);
    }

    void folder()
    {
        QFETCH(QString, setUp);
        QFETCH(bool, accepted);
        if (setUp == QLatin1String("open")) {
            QVERIFY(QDir().mkpath(folder_));
            QVERIFY(QFile::setPermissions(parent_, kPrivate | QFile::ReadOther | QFile::ExeOther));
            QVERIFY(QFile::setPermissions(folder_,
                                          kPrivate | QFile::WriteGroup | QFile::ReadOther));
        } else if (setUp == QLatin1String("link")) {
            QVERIFY(QDir().mkpath(parent_));
            QVERIFY(QFile::link(elsewhere_, folder_));
        } else if (setUp == QLatin1String("parent link")) {
            QVERIFY(QFile::link(elsewhere_, parent_));
            QVERIFY(QDir().mkpath(elsewhere_ + QStringLiteral("/KesTempStorage")));
        } else if (setUp == QLatin1String("file")) {
            QVERIFY(QDir().mkpath(parent_));
            QFile file(folder_);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (setUp == QLatin1String("foreign")) {
            if (::geteuid() != 0)
                QSKIP("Only root can give a folder to somebody else.");
            QVERIFY(QDir().mkpath(folder_));
            QCOMPARE(::chown(QFile::encodeName(folder_).constData(), 65534, 65534), 0);
        }
        QString error;
        const QString file = CaptureStorage::writeNew(QImage(4, 3, QImage::Format_RGB32),
                                                      QStringLiteral("Kestrel_"), &error);
        QCOMPARE(!file.isEmpty(), accepted);
        QCOMPARE(error.isEmpty(), accepted);
        if (!accepted) {
            QVERIFY2(error.contains(folder_) || error.contains(parent_), qPrintable(error));
            QVERIFY(QDir(elsewhere_).entryList(QDir::Files).isEmpty());
            return;
        }
        QCOMPARE(QFileInfo(file).path(), folder_);
        QCOMPARE(QImage(file).size(), QSize(4, 3));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        for (const QString &path : {parent_, folder_})
            QCOMPARE(QFile::permissions(path) & (kPrivate | others), kPrivate);
    }

    // Captures come faster than the clock's millisecond.
    void uniqueNames()
    {
        QString error;
        QSet<QString> names;
        for (int i = 0; i < 20; ++i)
            names << CaptureStorage::writeNew(QImage(2, 2, QImage::Format_RGB32),
                                              QStringLiteral("Kestrel_"), &error);
        QCOMPARE(names.size(), 20);
        QVERIFY(!names.contains(QString()));
    }
};

QTEST_MAIN(tst_CaptureStorage)
#include "tst_CaptureStorage.moc"

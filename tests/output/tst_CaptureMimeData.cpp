#include "output/CaptureMimeData.h"
#include "platform/CaptureStorage.h"
#include "tests/editor/EditorTestSupport.h"

#include <QFileInfo>
#include <QTest>
#include <QUrl>

using namespace EditorTestSupport;

class tst_CaptureMimeData : public QObject
{
    Q_OBJECT

private slots:
    // A target gets the annotated capture, also of one not shown, as PNG bytes and as a
    // private file of its own for every drag.
    void offersAnnotatedPicture()
    {
        auto editor = editorWith(filledImage(QSize(60, 40)));
        drag(*editor, {QPoint(10, 10), QPoint(30, 30)});
        editor->setImageLoaded(false);
        const CaptureMimeData first(editor->picture()), second(editor->picture());
        const QImage dropped = QImage::fromData(first.data("image/png"), "PNG");
        QVERIFY(dropped.pixelColor(10, 20) != QColor(Qt::white));
        QCOMPARE(dropped.pixelColor(50, 35), QColor(Qt::white));
        const QString file = first.urls().value(0).toLocalFile();
        QCOMPARE(QFileInfo(file).path(), CaptureStorage::folderPath());
        QCOMPARE(QImage(file).convertToFormat(dropped.format()), dropped);
        QCOMPARE(QFile::permissions(file) & QFile::Permissions(0x0077), QFile::Permissions());
        QVERIFY(QFile::exists(second.filePath()) && second.filePath() != file);
    }
};

QTEST_MAIN(tst_CaptureMimeData)
#include "tst_CaptureMimeData.moc"

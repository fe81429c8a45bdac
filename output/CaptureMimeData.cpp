#include "output/CaptureMimeData.h"

#include "platform/CaptureStorage.h"
#include "platform/Trace.h"

#include <QBuffer>
#include <QDrag>
#include <QImage>
#include <QPixmap>
#include <QThreadPool>
#include <QUrl>
#include <QWidget>

#include <memory>

namespace {

const QString kPngType = QStringLiteral("image/png");
const QString kUriListType = QStringLiteral("text/uri-list");
// Dropped files keep their name, so it says where they come from.
const QString kFilePrefix = QStringLiteral("Kestrel_");
constexpr int kDragPixmapSize = 96;
// Sampled coarsely to this many times the pixmap's size first, so the cost does not follow
// the capture's size.
constexpr int kOversampling = 4;

QPixmap dragPixmap(const QImage &picture)
{
    const QSize box = picture.size().boundedTo(QSize(kDragPixmapSize, kDragPixmapSize));
    return QPixmap::fromImage(
            picture.scaled(box * kOversampling, Qt::KeepAspectRatio, Qt::FastTransformation)
                    .scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

CaptureMimeData::CaptureMimeData(const QImage &picture)
{
    // The worker keeps its own end of the promise: a drag that ends early never waits.
    auto promise = std::make_shared<std::promise<Encoded>>();
    encoded_ = promise->get_future().share();
    QThreadPool::globalInstance()->start([promise, picture] {
        Encoded encoded;
        QBuffer buffer(&encoded.png);
        if (!picture.isNull() && buffer.open(QIODevice::WriteOnly)
            && picture.save(&buffer, "PNG")) {
            QString error;
            encoded.path = CaptureStorage::writeNewPng(encoded.png, kFilePrefix, &error);
            if (encoded.path.isEmpty())
                TRACE(1, "%ls", qUtf16Printable(error));
        } else {
            encoded.png.clear();
        }
        promise->set_value(std::move(encoded));
    });
}

CaptureMimeData::~CaptureMimeData() = default;

QStringList CaptureMimeData::formats() const
{
    return {kPngType, kUriListType};
}

QString CaptureMimeData::filePath() const
{
    return encoded_.get().path;
}

QVariant CaptureMimeData::retrieveData(const QString &mimeType, QVariant::Type type) const
{
    const Encoded &encoded = encoded_.get();
    if (mimeType == kPngType && !encoded.png.isEmpty())
        return encoded.png;
    if (mimeType == kUriListType && !encoded.path.isEmpty())
        return QByteArray(QUrl::fromLocalFile(encoded.path).toEncoded() + "\r\n");
    return QMimeData::retrieveData(mimeType, type);
}

Qt::DropAction CaptureMimeData::startDrag(QWidget *source, const QImage &picture)
{
    if (picture.isNull())
        return Qt::IgnoreAction;
    // Qt deletes the drag, and with it the data, once the drop is over.
    auto *drag = new QDrag(source);
    drag->setMimeData(new CaptureMimeData(picture));
    const QPixmap pixmap = dragPixmap(picture);
    drag->setPixmap(pixmap);
    drag->setHotSpot(QPoint(pixmap.width() / 2, pixmap.height() / 2));
    return drag->exec(Qt::CopyAction, Qt::CopyAction);
}

#pragma once

#include <QByteArray>
#include <QMimeData>
#include <QString>

#include <future>

class QImage;
class QWidget;

// What a capture dragged out of the window offers other programs: the annotated picture as
// PNG bytes ("image/png") for chats and documents, and as a PNG file in the private capture
// folder ("text/uri-list") for file managers. The PNG is encoded and written once, on a
// worker thread, while the pointer travels; a target that asks sooner waits for it.
class CaptureMimeData : public QMimeData
{
    Q_OBJECT
    Q_DISABLE_COPY(CaptureMimeData)

public:
    explicit CaptureMimeData(const QImage &picture);
    ~CaptureMimeData() override;

    QStringList formats() const override;
    // The written file, or an empty string when the picture or the file could not be made.
    QString filePath() const;

    // Drags `picture` out of `source` as a copy, with a small version of it under the
    // pointer. Nothing happens for a null picture.
    static Qt::DropAction startDrag(QWidget *source, const QImage &picture);

protected:
    QVariant retrieveData(const QString &mimeType, QVariant::Type type) const override;

private:
    struct Encoded
    {
        QByteArray png;
        QString path;
    };

    std::shared_future<Encoded> encoded_;
};

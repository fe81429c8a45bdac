#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Writes an image file in the format its name asks for: everything after the first dot of
// the file name, so "a.b.png" asks for "b.png" and fails. GIF goes through GifWriter, every
// other format through Qt's image writers. The file is written through a temporary that is
// renamed over the target, so a failed write leaves an existing file whole.
class ImageFileWriter
{
public:
    explicit ImageFileWriter(const QString &path);

    QString path() const { return path_; }
    // The requested format in lower case; empty when the name has no suffix.
    QByteArray format() const { return format_; }

    // `quality` as QImageWriter takes it (-1: the format's default); GIF ignores it.
    bool write(const QImage &image, int quality = -1) const;

private:
    const QString path_;
    const QByteArray format_;
};

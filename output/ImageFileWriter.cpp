#include "output/ImageFileWriter.h"

#include "output/GifWriter.h"
#include "output/WriteFileAtomically.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

ImageFileWriter::ImageFileWriter(const QString &path)
    : path_(path), format_(QFileInfo(path).completeSuffix().toLower().toLatin1())
{ }

bool ImageFileWriter::write(const QImage &image, int quality) const
{
    if (format_ == "gif") {
        // Qt has no GIF writer of its own.
        GifWriter gif;
        gif.addFrame(image);
        return WriteFileAtomically(path_, [&gif](QIODevice &file) { return gif.save(&file); });
    }
    // An unknown format is refused before any temporary file is made.
    if (format_.isEmpty() || !QImageWriter::supportedImageFormats().contains(format_))
        return false;
    return WriteFileAtomically(path_, [&](QIODevice &file) {
        QImageWriter writer(&file, format_);
        writer.setQuality(quality);
        return writer.write(image);
    });
}

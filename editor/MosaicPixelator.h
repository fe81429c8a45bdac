#pragma once

#include <QImage>
#include <QRect>

#include <cstddef>
#include <memory>

// Pixelation of a mosaic: a region of a picture averaged in square blocks aligned to the
// region's top-left corner. A rebuild at every mouse move reuses one buffer, so dragging does
// not fault in fresh pages each time.
class MosaicPixelator
{
public:
    MosaicPixelator() = default;
    Q_DISABLE_COPY(MosaicPixelator)

    // The pixelated `region` of the 32-bit `source`, valid until the next call or release();
    // null when the region is empty.
    QImage pixelate(const QImage &source, const QRect &region, int blockSize);
    // Frees the buffer.
    void release();

    // `region` of `source` averaged in blocks of `blockSize`, written into `target` (same
    // size as `region`, same 32-bit format as `source`). Bytes 0 to 2 of every pixel get the
    // truncated block averages, byte 3 is copied unchanged.
    static void pixelate(const QImage &source, const QRect &region, int blockSize, QImage &target);

private:
    static void pixelatePlain(const QImage &source, const QRect &region, int blockSize,
                              QImage &target);
    static void pixelatePacked(const QImage &source, const QRect &region, int blockSize,
                               QImage &target);

    std::unique_ptr<uchar[]> buffer_;
    size_t bufferSize_ = 0;
};

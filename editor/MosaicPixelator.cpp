#include "editor/MosaicPixelator.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int kMaxPackedBlockSize = 16;

// Bytes 0, 1 and 2 of a pixel in memory, seen in a 32-bit word, and the byte left alone.
constexpr bool kLittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
constexpr int kShift0 = kLittleEndian ? 0 : 24;
constexpr int kShift1 = kLittleEndian ? 8 : 16;
constexpr int kShift2 = kLittleEndian ? 16 : 8;
constexpr quint32 kKeptByte = kLittleEndian ? 0xff000000u : 0x000000ffu;
} // namespace

QImage MosaicPixelator::pixelate(const QImage &source, const QRect &region, int blockSize)
{
    if (region.isEmpty())
        return QImage();
    const size_t needed = size_t(region.width()) * size_t(region.height()) * 4;
    if (needed > bufferSize_) {
        buffer_.reset();
        bufferSize_ = std::max(needed, bufferSize_ + bufferSize_ / 2);
        buffer_.reset(new uchar[bufferSize_]);
    }
    QImage target(buffer_.get(), region.width(), region.height(), region.width() * 4,
                  source.format());
    pixelate(source, region, blockSize, target);
    return target;
}

void MosaicPixelator::release()
{
    buffer_.reset();
    bufferSize_ = 0;
}

void MosaicPixelator::pixelate(const QImage &source, const QRect &region, int blockSize,
                               QImage &target)
{
    if (kLittleEndian && blockSize <= kMaxPackedBlockSize)
        pixelatePacked(source, region, blockSize, target);
    else
        pixelatePlain(source, region, blockSize, target);
}

namespace {

const quint32 *sourceRow(const QImage &source, const QRect &region, int y)
{
    return reinterpret_cast<const quint32 *>(source.constScanLine(region.top() + y))
            + region.left();
}

// Writes one block row: every pixel takes the average of its column's block in bytes 0 to
// 2 and keeps its own byte 3.
void writeBlockRow(const QImage &source, const QRect &region, int y0, int blockHeight,
                   const quint32 *averages, QImage &target)
{
    const int width = region.width();
    for (int y = y0; y < y0 + blockHeight; ++y) {
        const quint32 *row = sourceRow(source, region, y);
        auto *out = reinterpret_cast<quint32 *>(target.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = (row[x] & kKeptByte) | averages[x];
    }
}

} // namespace

void MosaicPixelator::pixelatePlain(const QImage &source, const QRect &region, int blockSize,
                                    QImage &target)
{
    const int width = region.width();
    const int height = region.height();
    const int b = blockSize;
    std::vector<quint32> averages(width);

    for (int y0 = 0; y0 < height; y0 += b) {
        const int blockHeight = std::min(b, height - y0);
        for (int x0 = 0; x0 < width; x0 += b) {
            const int x1 = std::min(x0 + b, width);
            quint32 s0 = 0, s1 = 0, s2 = 0;
            for (int y = y0; y < y0 + blockHeight; ++y) {
                const quint32 *row = sourceRow(source, region, y);
                for (int x = x0; x < x1; ++x) {
                    const quint32 v = row[x];
                    s0 += (v >> kShift0) & 0xff;
                    s1 += (v >> kShift1) & 0xff;
                    s2 += (v >> kShift2) & 0xff;
                }
            }
            const quint32 count = quint32((x1 - x0) * blockHeight);
            const quint32 average =
                    (s0 / count) << kShift0 | (s1 / count) << kShift1 | (s2 / count) << kShift2;
            std::fill(averages.begin() + x0, averages.begin() + x1, average);
        }
        writeBlockRow(source, region, y0, blockHeight, averages.data(), target);
    }
}

void MosaicPixelator::pixelatePacked(const QImage &source, const QRect &region, int blockSize,
                                     QImage &target)
{
    // Bytes 0 and 2 are summed side by side in the two 16-bit halves of one word, bytes 1
    // and 3 in another: a block of at most 16 x 16 pixels cannot carry past 65535. The
    // rows of a block row are first summed per pixel column in long loops the compiler
    // vectorises, then the columns of each block.
    const int width = region.width();
    const int height = region.height();
    const int b = blockSize;
    std::vector<quint32> even(width), odd(width), averages(width);

    for (int y0 = 0; y0 < height; y0 += b) {
        const int blockHeight = std::min(b, height - y0);
        const quint32 *first = sourceRow(source, region, y0);
        for (int x = 0; x < width; ++x) {
            even[x] = first[x] & 0x00ff00ffu;
            odd[x] = (first[x] >> 8) & 0x00ff00ffu;
        }
        for (int y = y0 + 1; y < y0 + blockHeight; ++y) {
            const quint32 *row = sourceRow(source, region, y);
            for (int x = 0; x < width; ++x) {
                even[x] += row[x] & 0x00ff00ffu;
                odd[x] += (row[x] >> 8) & 0x00ff00ffu;
            }
        }
        for (int x0 = 0; x0 < width; x0 += b) {
            const int x1 = std::min(x0 + b, width);
            quint32 sumEven = 0, sumOdd = 0;
            for (int x = x0; x < x1; ++x) {
                sumEven += even[x];
                sumOdd += odd[x];
            }
            const quint32 count = quint32((x1 - x0) * blockHeight);
            const quint32 average = (sumEven & 0xffffu) / count | ((sumOdd & 0xffffu) / count) << 8
                    | ((sumEven >> 16) / count) << 16;
            std::fill(averages.begin() + x0, averages.begin() + x1, average);
        }
        writeBlockRow(source, region, y0, blockHeight, averages.data(), target);
    }
}

#include "output/GifWriter.h"

#include "output/WriteFileAtomically.h"

#include <QIODevice>
#include <QtDebug>

#include <gif_lib.h>

#include <cstring>
#include <vector>

namespace {

// The largest side a GIF can describe: its sizes and offsets are 16-bit fields, and
// giflib would silently truncate anything wider.
constexpr int kMaxGifSide = 0xFFFF;
// The 11-byte identifier of the looping extension understood by every browser.
const char kLoopExtensionId[] = "NETSCAPE2.0";

// giflib ignores the result of some of its writes (the trailer among them), so a short
// write is remembered here and fails the save afterwards.
struct OutputTarget
{
    QIODevice *device;
    bool failed;
};

int writeToDevice(GifFileType *gif, const GifByteType *data, int length)
{
    auto *target = static_cast<OutputTarget *>(gif->UserData);
    const qint64 written = target->device->write(reinterpret_cast<const char *>(data), length);
    if (written != length) {
        target->failed = true;
        return written < 0 ? 0 : int(written);
    }
    return length;
}

ColorMapObject *makeColorMap(const QVector<QRgb> &table)
{
    ColorMapObject *map = GifMakeMapObject(1 << GifBitSize(table.size()), nullptr);
    if (!map)
        return nullptr;
    for (int i = 0; i < map->ColorCount; ++i) {
        const QRgb rgb = i < table.size() ? table.at(i) : qRgb(0, 0, 0);
        map->Colors[i].Red = GifByteType(qRed(rgb));
        map->Colors[i].Green = GifByteType(qGreen(rgb));
        map->Colors[i].Blue = GifByteType(qBlue(rgb));
    }
    return map;
}

int indexOfRgb(const QVector<QRgb> &table, QRgb rgb)
{
    for (int i = 0; i < table.size(); ++i) {
        if ((table.at(i) & RGB_MASK) == (rgb & RGB_MASK))
            return i;
    }
    return -1;
}

// giflib encodes from structures we fill in; EGifSpew copies the colour maps it keeps and
// frees only its own copies and the file record, so everything here stays ours to free.
class EncoderInput
{
public:
    explicit EncoderInput(int frameCount)
        : images_(size_t(frameCount)), rasters_(size_t(frameCount))
    {
        for (SavedImage &image : images_)
            image = SavedImage {};
    }
    ~EncoderInput()
    {
        for (SavedImage &image : images_) {
            GifFreeMapObject(image.ImageDesc.ColorMap);
            GifFreeExtensions(&image.ExtensionBlockCount, &image.ExtensionBlocks);
        }
        GifFreeMapObject(globalMap_);
    }
    Q_DISABLE_COPY(EncoderInput)

    SavedImage &image(int index) { return images_[size_t(index)]; }
    QByteArray &raster(int index) { return rasters_[size_t(index)]; }
    SavedImage *images() { return images_.data(); }
    int imageCount() const { return int(images_.size()); }
    ColorMapObject *globalMap() const { return globalMap_; }
    void setGlobalMap(ColorMapObject *map) { globalMap_ = map; }

private:
    std::vector<SavedImage> images_;
    std::vector<QByteArray> rasters_;
    ColorMapObject *globalMap_ = nullptr;
};

bool addLoopExtension(SavedImage &image, int loopCount)
{
    unsigned char loop[3] = {1, GifByteType(loopCount & 0xFF),
                             GifByteType((loopCount >> 8) & 0xFF)};
    unsigned char id[sizeof(kLoopExtensionId) - 1];
    memcpy(id, kLoopExtensionId, sizeof(id));
    return GifAddExtensionBlock(&image.ExtensionBlockCount, &image.ExtensionBlocks,
                                APPLICATION_EXT_FUNC_CODE, sizeof(id), id)
            == GIF_OK
            && GifAddExtensionBlock(&image.ExtensionBlockCount, &image.ExtensionBlocks,
                                    CONTINUE_EXT_FUNC_CODE, sizeof(loop), loop)
            == GIF_OK;
}

bool addControlBlock(SavedImage &image, int delayHundredths, int transparentIndex)
{
    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = delayHundredths;
    control.TransparentColor = transparentIndex;
    GifByteType bytes[4];
    const size_t length = EGifGCBToExtension(&control, bytes);
    return GifAddExtensionBlock(&image.ExtensionBlockCount, &image.ExtensionBlocks,
                                GRAPHICS_EXT_FUNC_CODE, unsigned(length), bytes)
            == GIF_OK;
}

QImage toIndexed(const QImage &image, const QVector<QRgb> &globalTable)
{
    if (image.format() == QImage::Format_Indexed8)
        return image;
    if (globalTable.isEmpty())
        return image.convertToFormat(QImage::Format_Indexed8);
    return image.convertToFormat(QImage::Format_Indexed8, globalTable);
}

// Rows are copied without the scan-line padding, so widths that are not a multiple of four
// come out straight.
QByteArray rasterOf(const QImage &indexed)
{
    const int width = indexed.width();
    QByteArray raster(width * indexed.height(), Qt::Uninitialized);
    for (int y = 0; y < indexed.height(); ++y)
        memcpy(raster.data() + y * width, indexed.constScanLine(y), size_t(width));
    return raster;
}

} // namespace

void GifWriter::addFrame(const QImage &image, int delay)
{
    Frame frame;
    frame.image = image;
    frame.offset = image.offset();
    frame.delay = delay;
    frames_.append(frame);
}

void GifWriter::setFrameInterlaced(int frame, bool interlaced)
{
    if (frame >= 0 && frame < frames_.size())
        frames_[frame].interlaced = interlaced;
}

void GifWriter::setFrameTransparentColor(int frame, const QColor &color)
{
    if (frame >= 0 && frame < frames_.size())
        frames_[frame].transparentColor = color;
}

QSize GifWriter::canvasFor() const
{
    if (canvasSize_.isValid())
        return canvasSize_;
    QSize canvas(0, 0);
    for (const Frame &frame : frames_) {
        canvas.setWidth(qMax(canvas.width(), frame.offset.x() + frame.image.width()));
        canvas.setHeight(qMax(canvas.height(), frame.offset.y() + frame.image.height()));
    }
    return canvas;
}

bool GifWriter::save(const QString &filePath) const
{
    return WriteFileAtomically(filePath, [this](QIODevice &file) { return save(&file); });
}

bool GifWriter::save(QIODevice *device) const
{
    const QSize canvas = canvasFor();
    if (!device || !device->isWritable() || frames_.isEmpty() || canvas.isEmpty()
        || canvas.width() > kMaxGifSide || canvas.height() > kMaxGifSide)
        return false;
    for (const Frame &frame : frames_) {
        if (frame.image.isNull() || frame.offset.x() < 0 || frame.offset.y() < 0
            || frame.offset.x() + frame.image.width() > kMaxGifSide
            || frame.offset.y() + frame.image.height() > kMaxGifSide)
            return false;
    }

    OutputTarget target {device, false};
    int error = 0;
    GifFileType *gif = EGifOpen(&target, writeToDevice, &error);
    if (!gif) {
        qWarning("GifWriter: cannot open the encoder: %s", GifErrorString(error));
        return false;
    }

    EncoderInput input(frames_.size());
    gif->SWidth = canvas.width();
    gif->SHeight = canvas.height();
    gif->SColorResolution = 8;
    if (!globalColorTable_.isEmpty()) {
        input.setGlobalMap(makeColorMap(globalColorTable_));
        gif->SColorMap = input.globalMap();
        gif->SBackGroundColor = qMax(0, indexOfRgb(globalColorTable_, backgroundColor_.rgb()));
    }

    bool prepared = gif->SColorMap || globalColorTable_.isEmpty();
    for (int i = 0; prepared && i < frames_.size(); ++i) {
        const Frame &frame = frames_.at(i);
        const QImage indexed = toIndexed(frame.image, globalColorTable_);
        const QVector<QRgb> table = indexed.colorTable();

        SavedImage &image = input.image(i);
        image.ImageDesc.Left = frame.offset.x();
        image.ImageDesc.Top = frame.offset.y();
        image.ImageDesc.Width = indexed.width();
        image.ImageDesc.Height = indexed.height();
        image.ImageDesc.Interlace = frame.interlaced;
        if (!table.isEmpty() && (globalColorTable_.isEmpty() || table != globalColorTable_)) {
            image.ImageDesc.ColorMap = makeColorMap(table);
            prepared = image.ImageDesc.ColorMap != nullptr;
        }
        input.raster(i) = rasterOf(indexed);
        image.RasterBits = reinterpret_cast<GifByteType *>(input.raster(i).data());

        const QColor transparent = frame.transparentColor.isValid() ? frame.transparentColor
                                                                    : defaultTransparentColor_;
        const QVector<QRgb> &lookup = table.isEmpty() ? globalColorTable_ : table;
        const int transparentIndex =
                transparent.isValid() ? lookup.indexOf(transparent.rgba()) : NO_TRANSPARENT_COLOR;
        const int delay = frame.delay == -1 ? defaultDelay_ : frame.delay;
        if (i == 0)
            prepared = prepared && addLoopExtension(image, loopCount_);
        prepared = prepared && addControlBlock(image, delay / 10, transparentIndex);
    }

    gif->ImageCount = input.imageCount();
    gif->SavedImages = input.images();
    // EGifSpew closes and frees the file record when it succeeds; on failure we close it.
    if (prepared && EGifSpew(gif) == GIF_OK)
        return !target.failed;
    qWarning("GifWriter: cannot write the image: %s", GifErrorString(gif->Error));
    if (gif->SColorMap == input.globalMap())
        gif->SColorMap = nullptr;
    gif->SavedImages = nullptr;
    gif->ImageCount = 0;
    EGifCloseFile(gif, &error);
    return false;
}

#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QVector>

#include <cstring>
#include <gif_lib.h>

// What giflib's own decoder reads back from a GIF file.
struct GifFacts
{
    bool ok = false;
    QByteArray stamp;
    QSize screen;
    int loopCount = -1;
    QVector<int> delays;
    QVector<QImage> frames;
};

inline int gifLoopCount(const SavedImage &saved)
{
    for (int i = 0; i + 1 < saved.ExtensionBlockCount; ++i) {
        const ExtensionBlock &block = saved.ExtensionBlocks[i];
        const ExtensionBlock &data = saved.ExtensionBlocks[i + 1];
        if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
            && memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && data.ByteCount == 3)
            return data.Bytes[1] | (data.Bytes[2] << 8);
    }
    return -1;
}

inline QImage gifFrame(const GifFileType *gif, const SavedImage &saved)
{
    const ColorMapObject *map =
            saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap;
    QImage image(saved.ImageDesc.Width, saved.ImageDesc.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const GifColorType &c = map->Colors[saved.RasterBits[y * image.width() + x]];
            image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
        }
    }
    return image;
}

inline GifFacts readGif(const QString &path)
{
    GifFacts facts;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        facts.stamp = file.read(6);
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif)
        return facts;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        facts.ok = true;
        facts.screen = QSize(gif->SWidth, gif->SHeight);
        facts.loopCount = gifLoopCount(gif->SavedImages[0]);
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control {};
            DGifSavedExtensionToGCB(gif, i, &control);
            facts.delays.append(control.DelayTime);
            facts.frames.append(gifFrame(gif, gif->SavedImages[i]));
        }
    }
    DGifCloseFile(gif, &error);
    return facts;
}

#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QVector>

class QIODevice;

// Writes QImage frames as a GIF file through giflib, which Qt cannot do by itself.
// The editor writes one frame with the default settings; several frames with their own
// offsets, delays and transparent colours are supported for completeness.
class GifWriter
{
public:
    GifWriter() = default;

    void setCanvasSize(const QSize &size) { canvasSize_ = size; }
    QSize canvasSize() const { return canvasSize_; }
    // 0 loops for ever.
    void setLoopCount(int count) { loopCount_ = count; }
    int loopCount() const { return loopCount_; }
    // Milliseconds; used by frames added with a delay of -1.
    void setDefaultDelay(int milliseconds) { defaultDelay_ = milliseconds; }
    int defaultDelay() const { return defaultDelay_; }
    void setBackgroundColor(const QColor &color) { backgroundColor_ = color; }
    void setGlobalColorTable(const QVector<QRgb> &table) { globalColorTable_ = table; }
    void setDefaultTransparentColor(const QColor &color) { defaultTransparentColor_ = color; }

    // The frame's offset is the image's own offset(); a delay of -1 means the default.
    void addFrame(const QImage &image, int delay = -1);
    int frameCount() const { return frames_.size(); }
    void setFrameInterlaced(int frame, bool interlaced);
    void setFrameTransparentColor(int frame, const QColor &color);

    // Replaces the file only when the whole image was written.
    bool save(const QString &filePath) const;
    bool save(QIODevice *device) const;

private:
    struct Frame
    {
        QImage image;
        QPoint offset;
        int delay = -1;
        bool interlaced = false;
        QColor transparentColor;
    };

    QSize canvasFor() const;

    QSize canvasSize_;
    int loopCount_ = 0;
    int defaultDelay_ = 1000;
    QColor backgroundColor_;
    QVector<QRgb> globalColorTable_;
    QColor defaultTransparentColor_;
    QList<Frame> frames_;
};

#pragma once

#include <QScopedPointer>
#include <QSize>
#include <QWidget>

class QLabel;

namespace Ui {
class ImageToolWidget;
}

// The read-out over the bottom-left corner of the image: the image's size, the zoom as a
// whole percentage, and buttons that zoom out and in.
class ImageToolWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ImageToolWidget)

public:
    explicit ImageToolWidget(QWidget *parent = nullptr);
    ~ImageToolWidget() override;

    void setImageSize(const QSize &size);
    void setZoomPercent(int percent);
    // Fixes the label's width to that of its text, so the bar keeps its size while the
    // numbers change.
    static void fitLabelWidth(QLabel *label);

    QString imageSizeText() const;
    QString zoomText() const;

signals:
    void zoomIn();
    void zoomOut();
    // The texts, and with them the bar's size, changed.
    void imageToolUpdate();

public slots:
    void onChangeZoom(double zoom);

private slots:
    void onClickZoomIn();
    void onClickZoomOut();

private:
    void showText(QLabel *label, const QString &text);

    QScopedPointer<Ui::ImageToolWidget> ui_;
};

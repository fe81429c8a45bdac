#pragma once

#include "popups/Popup.h"

#include <QSize>
#include <memory>

namespace Ui {
class CropPopup;
}

// The size bar of a crop in progress: the frame's width and height, and the buttons that
// apply or cancel the crop. The crop item keeps the spin boxes and its frame in step.
class CropPopup : public Popup
{
    Q_OBJECT
    Q_DISABLE_COPY(CropPopup)

public:
    explicit CropPopup(QWidget *parent = nullptr);
    ~CropPopup() override;

    // The crop size, not the panel's own (these hide QWidget's size and maximum size).
    QSize size() const;
    // Sets both values at once: sizeChanged follows once, with the new size, if it changed.
    void setSize(const QSize &size);
    // The spin boxes' ranges: 1 to width and 1 to height.
    void setMaximumSize(const QSize &size);

signals:
    void cropped(bool succeed);
    void sizeChanged(const QSize &size);

private slots:
    void onSizeChanged(int value);

private:
    const std::unique_ptr<Ui::CropPopup> ui_;
};

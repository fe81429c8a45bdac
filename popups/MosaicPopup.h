#pragma once

#include "popups/Popup.h"

#include <QImage>
#include <memory>

class KestrelPreferences;

namespace Ui {
class MosaicPopup;
}

// Chooses the mosaic strength, the side of a block in pixels. Each choice shows a small
// picture pixelated with that strength beside the original.
class MosaicPopup : public Popup
{
    Q_OBJECT
    Q_DISABLE_COPY(MosaicPopup)

public:
    enum Strength { Weak = 4, Medium = 6, Strong = 9 };
    Q_ENUM(Strength)

    explicit MosaicPopup(QWidget *parent = nullptr);
    ~MosaicPopup() override;

    // Shows the stored strength, or the offered one closest to it. Writes nothing.
    void setPreferences(KestrelPreferences *preferences);
    // Checks the offered strength closest to strength.
    void setStrength(int strength);

    // The sample picture as the mosaic tool would pixelate it with this strength.
    static QImage sampleImage(int strength);

signals:
    void mosaicSelected(MosaicPopup::Strength strength);

private:
    const std::unique_ptr<Ui::MosaicPopup> ui_;
};

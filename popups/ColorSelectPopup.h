#pragma once

#include "popups/Popup.h"

#include <QColor>
#include <QList>
#include <QString>
#include <memory>

class ColorPicker;
class ColorSelectButton;
class KestrelPreferences;
class QAbstractButton;
class QButtonGroup;

namespace Ui {
class ColorSelectPopup;
}

// A palette: ten basic swatches, up to four custom colours mixed by the user (newest first)
// and the mixer. The custom colours belong to one tool and are kept in the store under
// that tool's path; without a store they last for the session.
class ColorSelectPopup : public Popup
{
    Q_OBJECT
    Q_DISABLE_COPY(ColorSelectPopup)

public:
    static constexpr int kBasicColorCount = 10;
    static constexpr int kCustomColorCount = 4;

    explicit ColorSelectPopup(QWidget *parent = nullptr);
    ~ColorSelectPopup() override;

    // Basic swatch i takes colors[i]; a shorter list leaves the remaining swatches alone.
    void setBasicColors(const QList<QColor> &colors);
    // Reads the custom colours of path from the store.
    void setCustomColorPath(const QString &path, KestrelPreferences *preferences);
    void setPreferences(KestrelPreferences *preferences) { preferences_ = preferences; }
    QList<QColor> customColors() const { return customColors_; }

    // The chosen colour: the checked swatch's, or the colour last given to setColor when
    // no swatch shows it; invalid until either exists.
    QColor color() const { return color_; }
    // Checks the first swatch showing exactly this colour (custom colours first); a colour
    // no swatch shows is still kept as the current one, with no swatch checked. An invalid
    // colour is ignored.
    void setColor(const QColor &color);
    // A colour confirmed in the mixer: it goes to the front of the custom colours (the
    // oldest drops out of a full list), is checked and announced.
    void addCustomColor(const QColor &color);

signals:
    void colorSelected(const QColor &color);

private:
    void onSwatchClicked(QAbstractButton *button);
    void showCustomColors();
    void checkSwatch(ColorSelectButton *swatch);

    const std::unique_ptr<Ui::ColorSelectPopup> ui_;
    QButtonGroup *const colorButtons_;
    QList<ColorSelectButton *> customSlots_;
    QList<ColorSelectButton *> basicSwatches_;
    ColorPicker *const picker_;
    QList<QColor> customColors_;
    QString customColorPath_;
    KestrelPreferences *preferences_ = nullptr;
    QColor color_;
};

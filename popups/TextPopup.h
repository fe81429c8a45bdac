#pragma once

#include "popups/Popup.h"

#include <QColor>
#include <memory>

class ColorSelectPopup;
class KestrelPreferences;

namespace Ui {
class TextPopup;
}

// The format bar of an open text box: font size, colour and bold, italic and underline.
// Each choice is stored at once and announced to the box through fontChanged.
class TextPopup : public Popup
{
    Q_OBJECT
    Q_DISABLE_COPY(TextPopup)

public:
    enum Format { Bold = 1, Italic = 2, Underline = 4 };

    explicit TextPopup(QWidget *parent = nullptr);
    ~TextPopup() override;

    int fontSize() const;
    int format() const;
    QColor color() const;
    // Restores size, colour and format from the store and keeps the store for later
    // choices. Writes nothing.
    void setPreferences(KestrelPreferences *preferences);
    void refreshPalette();
    // Tells a newly opened text box the current settings, without storing anything.
    void announceFont();

signals:
    void fontChanged(int fontSize, const QColor &color, int format);

private:
    void onSizeChosen();
    void onColorChosen(const QColor &color);
    void onFormatChosen();

    const std::unique_ptr<Ui::TextPopup> ui_;
    ColorSelectPopup *const palette_;
    KestrelPreferences *preferences_ = nullptr;
};

#pragma once

#include "popups/Popup.h"

#include <QColor>
#include <memory>

class QColorDialog;

namespace Ui {
class ColorPicker;
}

// The colour mixer behind a palette's mixer button: the toolkit's colour field and
// luminance bar, a hex entry and a preview. Ok announces the mixed colour; only opaque
// colours are mixed here.
class ColorPicker : public Popup
{
    Q_OBJECT
    Q_DISABLE_COPY(ColorPicker)

public:
    explicit ColorPicker(QWidget *parent = nullptr);
    ~ColorPicker() override;

    QColor currentColor() const;
    // Ignored unless the colour is valid and fully opaque.
    void setColor(const QColor &color);

signals:
    void colorSelected(const QColor &color);

private slots:
    void onHexEditChanged(const QString &text);
    void onColorSelected(const QColor &color);

private:
    void embedDialogParts();

    const std::unique_ptr<Ui::ColorPicker> ui_;
    QColorDialog *dialog_;
};

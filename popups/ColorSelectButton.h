#pragma once

#include "widgets/ItemButton.h"

#include <QColor>

class QPainter;

// A checkable swatch that holds and shows one colour. Fully transparent shows as white with
// a red slash, translucent colours over a checkerboard; the checked swatch carries a tick.
class ColorSelectButton : public ItemButton
{
    Q_OBJECT
    Q_DISABLE_COPY(ColorSelectButton)

public:
    explicit ColorSelectButton(QWidget *parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor &color);

    // The swatch picture used wherever the program shows a colour.
    static void paintSwatch(QPainter &painter, const QRectF &rect, const QColor &color);
    static QPixmap swatch(const QColor &color, const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_;
};

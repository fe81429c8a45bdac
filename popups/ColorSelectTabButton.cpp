#include "popups/ColorSelectTabButton.h"

#include "popups/ColorSelectButton.h"
#include "popups/ColorSelectPopup.h"

#include <QStyleOptionButton>
#include <QStylePainter>

ColorSelectTabButton::ColorSelectTabButton(QWidget *parent) : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setCheckable(true);
    // A placeholder icon reserves the swatch's room in the size hint; the swatch itself
    // is painted from the palette each time.
    QPixmap room(iconSize());
    room.fill(Qt::transparent);
    setIcon(QIcon(room));
}

void ColorSelectTabButton::setPopup(ColorSelectPopup *popup)
{
    disconnect(colorConnection_);
    popup_ = popup;
    if (popup)
        colorConnection_ = connect(popup, &ColorSelectPopup::colorSelected, this,
                                   qOverload<>(&QWidget::update));
    update();
}

QColor ColorSelectTabButton::color() const
{
    return popup_ ? popup_->color() : QColor();
}

void ColorSelectTabButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon(ColorSelectButton::swatch(color(), iconSize()));
    painter.drawControl(QStyle::CE_PushButton, option);
}

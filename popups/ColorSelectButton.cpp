#include "popups/ColorSelectButton.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

namespace {
constexpr qreal kRadius = 2.0;
const QColor kSlashColor(230, 40, 40);
const QColor kCheckerColor(204, 204, 204);
const QColor kEdgeColor(0, 0, 0, 40);
// Room for the arrow of a swatch that opens a palette, and the swatch's inset there.
constexpr int kArrowRoom = 16;
constexpr int kMenuInset = 4;
} // namespace

ColorSelectButton::ColorSelectButton(QWidget *parent) : ItemButton(parent)
{
    setCheckable(true);
}

void ColorSelectButton::setColor(const QColor &color)
{
    if (color_ == color)
        return;
    color_ = color;
    setToolTip(color.isValid() ? color.name(QColor::HexArgb) : QString());
    update();
}

void ColorSelectButton::paintSwatch(QPainter &painter, const QRectF &rect, const QColor &color)
{
    if (!color.isValid() || rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(rect, kRadius, kRadius);
    painter.setClipPath(outline);
    painter.fillRect(rect, Qt::white);
    if (color.alpha() == 0) {
        painter.setPen(QPen(kSlashColor, qMax(1.5, rect.width() / 10.0)));
        painter.drawLine(rect.bottomLeft(), rect.topRight());
    } else {
        if (color.alpha() < 255) {
            const qreal cell = qMax(2.0, rect.width() / 4.0);
            for (int row = 0; row * cell < rect.height(); ++row)
                for (int column = row % 2; column * cell < rect.width(); column += 2)
                    painter.fillRect(QRectF(rect.left() + column * cell, rect.top() + row * cell,
                                            cell, cell),
                                     kCheckerColor);
        }
        painter.fillRect(rect, color);
    }
    painter.setClipping(false);
    // A hairline keeps white and very light colours apart from the panel.
    painter.setPen(QPen(kEdgeColor, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    painter.restore();
}

QPixmap ColorSelectButton::swatch(const QColor &color, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintSwatch(painter, QRectF(QPointF(0, 0), QSizeF(size)), color);
    return pixmap;
}

void ColorSelectButton::paintEvent(QPaintEvent *event)
{
    ItemButton::paintEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    QPainter painter(this);
    if (menu()) {
        // A swatch that opens a palette: the colour on the left, an arrow on the right.
        const QRect arrow(area.right() - kArrowRoom + 1, area.top(), kArrowRoom, area.height());
        area.adjust(kMenuInset, kMenuInset, -kArrowRoom, -kMenuInset);
        QIcon(QStringLiteral(":/res/icons/popup_arrow.svg"))
                .paint(&painter, arrow.adjusted(3, 0, -3, 0), Qt::AlignCenter);
    }
    paintSwatch(painter, area, color_);
    if (!isChecked() || !color_.isValid())
        return;
    // The tick is dark on light colours (and on the transparent swatch), white otherwise.
    const int luma = (299 * color_.red() + 587 * color_.green() + 114 * color_.blue()) / 1000;
    const bool light = color_.alpha() < 128 || luma > 160;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(light ? QColor(31, 41, 55) : Qt::white, qMax(1.6, area.width() / 9.0),
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF r = QRectF(area).adjusted(area.width() * 0.25, area.height() * 0.3,
                                           -area.width() * 0.25, -area.height() * 0.3);
    const QPointF tick[] = {QPointF(r.left(), r.center().y()),
                            QPointF(r.left() + r.width() * 0.4, r.bottom()), r.topRight()};
    painter.drawPolyline(tick, 3);
}

#include "widgets/ToolDropdownButton.h"

#include <QIcon>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int kChevronSize = 8;
constexpr int kChevronGap = 2;

const QIcon &chevron()
{
    static const QIcon icon(QStringLiteral(":/res/ToolBar/dropdown.svg"));
    return icon;
}

} // namespace

ToolDropdownButton::ToolDropdownButton(QWidget *parent) : ToolButton(parent) { }

ToolDropdownButton::ToolDropdownButton(const QString &text, QWidget *parent)
    : ToolButton(text, parent)
{ }

ToolDropdownButton::ToolDropdownButton(const QString &text, const QString &objectName,
                                       QWidget *parent)
    : ToolButton(text, objectName, parent)
{ }

QSize ToolDropdownButton::sizeHint() const
{
    return ToolButton::sizeHint() + QSize(kChevronSize + kChevronGap, 0);
}

void ToolDropdownButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.features &= ~QStyleOptionButton::HasMenu;
    QPainter painter(this);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    // The caption moves left by half the chevron, so the two stay centred together.
    const int chevronWidth = kChevronSize + kChevronGap;
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                         .translated(-chevronWidth / 2, 0);
    style()->drawControl(QStyle::CE_PushButtonLabel, &label, &painter, this);

    const QPoint centre = label.rect.center();
    const int textWidth = label.fontMetrics.horizontalAdvance(label.text);
    const QRect arrow(centre.x() + (textWidth + 1) / 2 + kChevronGap,
                      centre.y() - kChevronSize / 2 + 1, kChevronSize, kChevronSize);
    chevron().paint(&painter, arrow, Qt::AlignCenter,
                    isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

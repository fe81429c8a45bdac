#include "widgets/PositiveButton.h"

PositiveButton::PositiveButton(QWidget *parent) : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

PositiveButton::PositiveButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

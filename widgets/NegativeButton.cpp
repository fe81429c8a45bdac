#include "widgets/NegativeButton.h"

NegativeButton::NegativeButton(QWidget *parent) : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

NegativeButton::NegativeButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

#include "widgets/ItemButton.h"

ItemButton::ItemButton(QWidget *parent) : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

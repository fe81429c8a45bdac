#pragma once

#include <QPushButton>

// A small push button inside a panel (colour swatches, the button that brings the history
// back): nothing but the pointing hand.
class ItemButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(ItemButton)

public:
    explicit ItemButton(QWidget *parent = nullptr);
};

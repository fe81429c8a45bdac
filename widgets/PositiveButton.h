#pragma once

#include <QPushButton>

// A push button styled as the primary action of a dialog or panel.
class PositiveButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(PositiveButton)

public:
    explicit PositiveButton(QWidget *parent = nullptr);
    explicit PositiveButton(const QString &text, QWidget *parent = nullptr);
};

#pragma once

#include <QPushButton>

// A push button styled as the secondary action (cancel, close, skip) of a dialog or panel.
class NegativeButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(NegativeButton)

public:
    explicit NegativeButton(QWidget *parent = nullptr);
    explicit NegativeButton(const QString &text, QWidget *parent = nullptr);
};

#pragma once

#include <QComboBox>

// A combo box with the program's feel: the pointing hand on the box and on its list, at most
// ten rows at a time, and the desktop's shadow round the drop-down window.
class ComboBox : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY(ComboBox)

public:
    explicit ComboBox(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *popupWindow_ = nullptr;
};

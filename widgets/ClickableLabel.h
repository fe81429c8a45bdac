#pragma once

#include <QLabel>

// A label that reports clicks and the mouse passing over it, and shows the pointing hand
// while the mouse is on it.
class ClickableLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY(ClickableLabel)

public:
    explicit ClickableLabel(QWidget *parent = nullptr);
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();
    void hover();
    void leaved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchMouse();
};

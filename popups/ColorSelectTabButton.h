#pragma once

#include <QColor>
#include <QPointer>
#include <QPushButton>

class ColorSelectPopup;

// A tab of the figure panel: checking it shows its palette, and its icon is the palette's
// current colour. The palette is not owned.
class ColorSelectTabButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(ColorSelectTabButton)

public:
    explicit ColorSelectTabButton(QWidget *parent = nullptr);

    ColorSelectPopup *popup() const { return popup_; }
    void setPopup(ColorSelectPopup *popup);
    QColor color() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<ColorSelectPopup> popup_;
    QMetaObject::Connection colorConnection_;
};

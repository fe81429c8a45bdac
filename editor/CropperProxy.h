#pragma once

#include <QGraphicsProxyWidget>

// Shows the crop frame in the views only: the document's flattened picture (what is saved,
// and what the view paints behind the items) never contains the frame or its darkening.
class CropperProxy : public QGraphicsProxyWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CropperProxy)

public:
    CropperProxy() = default;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};

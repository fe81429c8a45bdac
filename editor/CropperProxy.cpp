#include "editor/CropperProxy.h"

void CropperProxy::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    // A scene rendered into a picture passes no widget; a view passes its viewport.
    if (widget)
        QGraphicsProxyWidget::paint(painter, option, widget);
}

#include "view/ViewBackground.h"

#include "editor/Editor.h"

#include <QPainter>

namespace {

// Smooth scaling reads a pixel or two beyond the part it draws.
constexpr int kSampleMargin = 2;

QRect withMargin(const QRectF &area)
{
    return area.toAlignedRect().adjusted(-kSampleMargin, -kSampleMargin, kSampleMargin,
                                         kSampleMargin);
}

} // namespace

void ViewBackground::invalidate()
{
    picture_ = QPixmap();
    area_ = QRect();
    imageKey_ = 0;
}

void ViewBackground::draw(QPainter *painter, Editor &editor, const QRectF &exposed,
                          const QRectF &visible, bool stroking)
{
    if (!editor.isImageLoaded())
        return;
    const QRect need = withMargin(exposed) & editor.imageRect();
    if (need.isEmpty())
        return;
    if (stroking) {
        invalidate();
        painter->drawPixmap(QRectF(need), editor.render(true), QRectF(need));
        return;
    }
    if (imageKey_ != editor.image().cacheKey())
        invalidate();
    if (picture_.isNull()) {
        area_ = (withMargin(visible) | need) & editor.image().rect();
        picture_ = renderPart(editor, area_);
    } else if (!area_.contains(need)) {
        area_ = editor.image().rect();
        picture_ = editor.render(true);
    }
    imageKey_ = editor.image().cacheKey();
    painter->drawPixmap(QRectF(need), picture_, QRectF(need.translated(-area_.topLeft())));
}

// The same picture as the document's own flattening, limited to `part`.
QPixmap ViewBackground::renderPart(Editor &editor, const QRect &part)
{
    QPixmap picture = editor.image().copy(part);
    if (picture.isNull())
        return picture;
    QPainter painter(&picture);
    editor.QGraphicsScene::render(&painter, QRectF(picture.rect()), QRectF(part),
                                  Qt::KeepAspectRatio);
    painter.end();
    return picture;
}

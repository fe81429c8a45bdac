#include "editor/DrawingItemFactory.h"

#include "editor/DrawingArrowItem.h"
#include "editor/DrawingCircleItem.h"
#include "editor/DrawingCropItem.h"
#include "editor/DrawingHighlighterItem.h"
#include "editor/DrawingLineItem.h"
#include "editor/DrawingMosaicItem.h"
#include "editor/DrawingPenItem.h"
#include "editor/DrawingRectItem.h"
#include "editor/DrawingSpeechBalloonItem.h"
#include "editor/DrawingTextItem.h"
#include "preferences/KestrelPreferences.h"

namespace {

// The store's own fall-backs, used when no store is attached.
constexpr int kDefaultLineWidth = 3;
constexpr int kDefaultFigureLineType = Qt::SolidLine;
constexpr int kDefaultMosaicStrength = 6;
const QColor kDefaultOutlineColor(255, 0, 0);
// The pen and the highlighter get the figure fill's default, never the stored fill.
const QColor kDefaultFillColor(0, 0, 0, 0);

} // namespace

QGraphicsItem *DrawingItemFactory::create(Editor::ShapeType type, const QRectF &imageRect) const
{
    switch (type) {
    case Editor::Pen:
        return styled(new DrawingPenItem(&editor_, imageRect),
                      freehandStyle(KestrelPreferences::PenColor));
    case Editor::Highlighter:
        return styled(new DrawingHighlighterItem(&editor_, imageRect),
                      freehandStyle(KestrelPreferences::HighlighterColor));
    case Editor::Line:
        return styled(new DrawingLineItem(&editor_, imageRect), figureStyle());
    case Editor::Arrow:
        return styled(new DrawingArrowItem(&editor_, imageRect), figureStyle());
    case Editor::Rect:
        return styled(new DrawingRectItem(&editor_, imageRect), figureStyle());
    case Editor::Circle:
        return styled(new DrawingCircleItem(&editor_, imageRect), figureStyle());
    case Editor::SpeechBalloon:
        return styled(new DrawingSpeechBalloonItem(&editor_, imageRect), figureStyle());
    case Editor::Mosaic: {
        // The mosaic pixelates what the document shows now, items included.
        auto *mosaic = new DrawingMosaicItem(&editor_, imageRect, editor_.render(true));
        mosaic->setBlockSize(number(KestrelPreferences::MosaicStrength, kDefaultMosaicStrength));
        return styled(mosaic, {Qt::transparent, Qt::transparent, 1, Qt::SolidLine});
    }
    case Editor::Text:
        return textItem(imageRect);
    case Editor::Crop:
        return cropItem(imageRect);
    default:
        return nullptr;
    }
}

// Text boxes and crop frames take their settings from their popups, which the view hands
// them when it hears of the new item.
QGraphicsItem *DrawingItemFactory::textItem(const QRectF &imageRect) const
{
    auto *item = new DrawingTextItem(imageRect);
    QObject::connect(item, &DrawingTextItem::moveTextItem, &editor_, &Editor::moveTextItem);
    QObject::connect(item, &DrawingTextItem::finishEdit, &editor_, &Editor::onFinishTextEdit);
    QObject::connect(&editor_, &Editor::changeSceneRect, item, &DrawingTextItem::onChangeSceneRect);
    editor_.setShapeType(Editor::TextEditing);
    emit editor_.createTextItem(item);
    return item;
}

QGraphicsItem *DrawingItemFactory::cropItem(const QRectF &imageRect) const
{
    auto *item = new DrawingCropItem(&editor_, imageRect, editor_.cropRect());
    item->setPicture(editor_.render(true));
    QObject::connect(item, &DrawingCropItem::moveCropItem, &editor_, &Editor::moveCropItem);
    QObject::connect(item, &DrawingCropItem::finishCrop, &editor_, &Editor::onFinishCrop);
    QObject::connect(item, &DrawingCropItem::crop, &editor_, &Editor::onCrop);
    emit editor_.createCropItem(item);
    return item;
}

DrawingItemFactory::Style DrawingItemFactory::freehandStyle(int colorSlot) const
{
    return {color(colorSlot, kDefaultOutlineColor), kDefaultFillColor,
            number(KestrelPreferences::LineWidth, kDefaultLineWidth), Qt::SolidLine};
}

DrawingItemFactory::Style DrawingItemFactory::figureStyle() const
{
    return {color(KestrelPreferences::FigureLineColor, kDefaultOutlineColor),
            color(KestrelPreferences::FigureFillColor, kDefaultFillColor),
            number(KestrelPreferences::LineWidth, kDefaultLineWidth),
            number(KestrelPreferences::FigureLineType, kDefaultFigureLineType)};
}

DrawingItem *DrawingItemFactory::styled(DrawingItem *item, const Style &style) const
{
    item->setStyle(style.lineColor, style.fillColor, style.lineWidth, style.penStyle);
    QObject::connect(&editor_, &Editor::changeSceneRect, item, &DrawingItem::onChangeSceneRect);
    return item;
}

QColor DrawingItemFactory::color(int slot, const QColor &fallback) const
{
    const KestrelPreferences *preferences = editor_.preferences();
    return preferences ? preferences->getColor(slot, fallback) : fallback;
}

int DrawingItemFactory::number(int slot, int fallback) const
{
    const KestrelPreferences *preferences = editor_.preferences();
    return preferences ? preferences->getInt(slot, fallback) : fallback;
}

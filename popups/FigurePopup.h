#pragma once

#include "editor/Editor.h"
#include "popups/Popup.h"

#include <QColor>
#include <memory>

class ColorSelectPopup;
class KestrelPreferences;
class QAbstractButton;

namespace Ui {
class FigurePopup;
}

// Chooses the figure tool: five shapes, each solid or dotted, with a fill and an outline
// palette under two tabs. Any choice (shape or colour) announces all four settings.
class FigurePopup : public Popup
{
    Q_OBJECT
    Q_DISABLE_COPY(FigurePopup)

public:
    explicit FigurePopup(QWidget *parent = nullptr);
    ~FigurePopup() override;

    // Restores the shape and both colours from the store, which also keeps the palettes'
    // custom colours. Writes nothing.
    void setPreferences(KestrelPreferences *preferences);

    // The shape button table: an id outside it is the solid rectangle; a shape outside it
    // is button 0, and every pen style but solid is the dotted button.
    static void shapeForId(int id, Editor::ShapeType &shape, Qt::PenStyle &penStyle);
    static int idForShape(int shape, int penStyle);

signals:
    void figureSelected(Editor::ShapeType shapeType, Qt::PenStyle lineType, const QColor &fillColor,
                        const QColor &outlineColor);

private slots:
    void onColorTabToggled(QAbstractButton *btn, bool checked);

private:
    void announce();

    const std::unique_ptr<Ui::FigurePopup> ui_;
    ColorSelectPopup *const fillPalette_;
    ColorSelectPopup *const outlinePalette_;
};

#include "popups/FigurePopup.h"

#include "popups/ColorPalettes.h"
#include "popups/ColorSelectPopup.h"
#include "popups/ColorSelectTabButton.h"
#include "preferences/KestrelPreferences.h"

#include "ui_FigurePopup.h"

#include <QLayout>
#include <tuple>

namespace {
enum Tab { FillTab = 0, OutlineTab = 1 };
constexpr int kSolidButtons = 5;

struct ShapeButton
{
    Editor::ShapeType shape;
    Qt::PenStyle penStyle;
};

// clang-format off
const ShapeButton kShapeButtons[] = {
    {Editor::Rect,          Qt::SolidLine},
    {Editor::Circle,        Qt::SolidLine},
    {Editor::SpeechBalloon, Qt::SolidLine},
    {Editor::Line,          Qt::SolidLine},
    {Editor::Arrow,         Qt::SolidLine},
    {Editor::Rect,          Qt::DotLine},
    {Editor::Circle,        Qt::DotLine},
    {Editor::SpeechBalloon, Qt::DotLine},
    {Editor::Line,          Qt::DotLine},
    {Editor::Arrow,         Qt::DotLine},
};
// clang-format on
constexpr int kShapeButtonCount = int(sizeof(kShapeButtons) / sizeof(kShapeButtons[0]));

const QColor kDefaultFill(0, 0, 0, 0);
const QColor kDefaultOutline(255, 0, 0);
} // namespace

FigurePopup::FigurePopup(QWidget *parent)
    : Popup(parent), ui_(new Ui::FigurePopup), fillPalette_(new ColorSelectPopup),
      outlinePalette_(new ColorSelectPopup)
{
    ui_->setupUi(this);
    const QList<QAbstractButton *> shapeButtons = {ui_->rectangleBtn_,    ui_->circleBtn_,
                                                   ui_->textBtn_,         ui_->lineBtn_,
                                                   ui_->arrowBtn_,        ui_->rectangleDottedBtn_,
                                                   ui_->circleDottedBtn_, ui_->textDottedBtn_,
                                                   ui_->lineDottedBtn_,   ui_->arrowDottedBtn_};
    for (int id = 0; id < shapeButtons.size(); ++id) {
        shapeButtons[id]->setCheckable(true);
        ui_->figureBtns_->setId(shapeButtons[id], id);
    }
    ui_->figureBtns_->setExclusive(true);
    ui_->tabBtns_->setId(ui_->fillTab_, FillTab);
    ui_->tabBtns_->setId(ui_->outlineTab_, OutlineTab);
    ui_->tabBtns_->setExclusive(true);

    const std::pair<ColorSelectTabButton *, ColorSelectPopup *> tabs[] = {
            {ui_->fillTab_, fillPalette_}, {ui_->outlineTab_, outlinePalette_}};
    for (const auto &[tab, palette] : tabs) {
        // Embedded in this panel rather than floating on their own.
        palette->setWindowFlags(Qt::Widget);
        palette->layout()->setContentsMargins(0, 0, 0, 0);
        palette->hide();
        palette->setBasicColors(ColorPalettes::figure());
        ui_->colorSelectPopupLayout_->addWidget(palette);
        tab->setPopup(palette);
        connect(palette, &ColorSelectPopup::colorSelected, this, &Popup::triggered);
    }
    fillPalette_->setColor(kDefaultFill);
    outlinePalette_->setColor(kDefaultOutline);
    ui_->rectangleBtn_->setChecked(true);

    connect(ui_->figureBtns_, qOverload<QAbstractButton *>(&QButtonGroup::buttonClicked), this,
            &Popup::triggered);
    connect(ui_->tabBtns_, qOverload<QAbstractButton *, bool>(&QButtonGroup::buttonToggled), this,
            &FigurePopup::onColorTabToggled);
    connect(this, &Popup::triggered, this, &FigurePopup::announce);
    ui_->outlineTab_->setChecked(true);

    prepareControls();
}

FigurePopup::~FigurePopup() = default;

void FigurePopup::shapeForId(int id, Editor::ShapeType &shape, Qt::PenStyle &penStyle)
{
    const ShapeButton button =
            id >= 0 && id < kShapeButtonCount ? kShapeButtons[id] : kShapeButtons[0];
    shape = button.shape;
    penStyle = button.penStyle;
}

int FigurePopup::idForShape(int shape, int penStyle)
{
    const int dotted = penStyle == Qt::SolidLine ? 0 : kSolidButtons;
    for (int id = 0; id < kSolidButtons; ++id) {
        if (kShapeButtons[id].shape == shape)
            return id + dotted;
    }
    return 0;
}

void FigurePopup::onColorTabToggled(QAbstractButton *btn, bool checked)
{
    if (auto *tab = qobject_cast<ColorSelectTabButton *>(btn); tab && tab->popup())
        tab->popup()->setVisible(checked);
}

void FigurePopup::announce()
{
    Editor::ShapeType shape;
    Qt::PenStyle penStyle;
    shapeForId(ui_->figureBtns_->checkedId(), shape, penStyle);
    emit figureSelected(shape, penStyle, fillPalette_->color(), outlinePalette_->color());
}

void FigurePopup::setPreferences(KestrelPreferences *preferences)
{
    if (!preferences)
        return;
    const std::tuple<ColorSelectPopup *, const QString &, int, QColor> palettes[] = {
            {fillPalette_, KestrelPreferences::kFigureFillCustomColorPath,
             KestrelPreferences::FigureFillColor, kDefaultFill},
            {outlinePalette_, KestrelPreferences::kFigureLineCustomColorPath,
             KestrelPreferences::FigureLineColor, kDefaultOutline}};
    for (const auto &[palette, path, slot, fallback] : palettes) {
        palette->setBasicColors(ColorPalettes::figure());
        palette->setCustomColorPath(path, preferences);
        palette->setColor(preferences->getColor(slot, fallback));
    }
    const int id =
            idForShape(preferences->getInt(KestrelPreferences::FigureType, Editor::Rect),
                       preferences->getInt(KestrelPreferences::FigureLineType, Qt::SolidLine));
    ui_->figureBtns_->button(id)->setChecked(true);
    ui_->fillTab_->update();
    ui_->outlineTab_->update();
}

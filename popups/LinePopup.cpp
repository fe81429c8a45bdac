#include "popups/LinePopup.h"

#include "preferences/KestrelPreferences.h"

#include "ui_LinePopup.h"

#include <QPainter>

namespace {
const QVector<int> kThicknesses = {1, 3, 5, 8, 12};
constexpr int kDefaultThickness = 3;

QIcon lineIcon(int thickness, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int height = qMin(thickness, size.height());
    painter.fillRect(QRect(0, (size.height() - height) / 2, size.width(), height),
                     QColor(31, 41, 55));
    return QIcon(pixmap);
}
} // namespace

LinePopup::LinePopup(QWidget *parent) : Popup(parent), ui_(new Ui::LinePopup)
{
    ui_->setupUi(this);
    for (int thickness : kThicknesses)
        ui_->lineThicknessCbo_->addItem(lineIcon(thickness, ui_->lineThicknessCbo_->iconSize()),
                                        QStringLiteral("%1px").arg(thickness), thickness);
    ui_->lineThicknessCbo_->setCurrentIndex(kThicknesses.indexOf(kDefaultThickness));
    onChangedLineThickness();

    connect(ui_->lineThicknessCbo_, qOverload<int>(&QComboBox::activated), this, &Popup::triggered);
    connect(this, &Popup::triggered, this, [this] { emit lineSelected(thickness()); });
    connect(ui_->lineThicknessCbo_, &QComboBox::currentTextChanged, this,
            &LinePopup::onChangedLineThickness);

    prepareControls();
}

LinePopup::~LinePopup() = default;

int LinePopup::thickness() const
{
    return ui_->lineThicknessCbo_->currentData().toInt();
}

void LinePopup::onChangedLineThickness()
{
    ui_->displayLine_->setFixedHeight(thickness());
}

void LinePopup::setPreferences(KestrelPreferences *preferences)
{
    if (!preferences)
        return;
    const int stored = preferences->getInt(KestrelPreferences::LineWidth, kDefaultThickness);
    ui_->lineThicknessCbo_->setCurrentIndex(
            kThicknesses.indexOf(nearestChoice(kThicknesses, stored)));
}

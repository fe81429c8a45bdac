#include "preferences/GeneralPreferencesWidget.h"

#include "preferences/KestrelPreferences.h"
#include "ui_GeneralPreferencesWidget.h"

#include <QPainter>
#include <QPixmap>

namespace {

struct NamedColor
{
    const char *name;
    int red, green, blue;
};

// clang-format off
const NamedColor kGuidelineColors[] = {
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "black"),   0,   0,   0},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Maroon"),  128, 0,   0},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Green"),   0,   128, 0},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Olive"),   128, 128, 0},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Navy"),    0,   0,   128},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Purple"),  128, 0,   128},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Teal"),    0,   128, 128},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Gray"),    128, 128, 128},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Silver"),  192, 192, 192},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Red"),     255, 0,   0},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Lime"),    0,   255, 0},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Yellow"),  255, 255, 0},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Blue"),    0,   0,   255},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Magenta"), 255, 0,   255},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "Cyan"),    0,   255, 255},
    {QT_TRANSLATE_NOOP("GeneralPreferencesWidget", "White"),   255, 255, 255},
};
// clang-format on

QPixmap swatch(const QColor &color)
{
    QPixmap pixmap(18, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.setBrush(color);
    painter.drawRect(QRectF(0.5, 0.5, 17, 11));
    return pixmap;
}

} // namespace

GeneralPreferencesWidget::GeneralPreferencesWidget(KestrelPreferences *preferences, QWidget *parent)
    : PreferencesPage(preferences, parent), ui_(new Ui::GeneralPreferencesWidget)
{
    ui_->setupUi(this);
    fillGuidelineColors();
    usePointingHand();
    connect(ui_->showFileDlgAfterCapture_, &QCheckBox::clicked, this,
            &GeneralPreferencesWidget::onClickShowFileDlgAfterCapture);
    connect(ui_->skipEditorWnd_, &QCheckBox::clicked, this,
            &GeneralPreferencesWidget::onClickSkipOrClipboard);
    connect(ui_->copyToClipboard_, &QCheckBox::clicked, this,
            &GeneralPreferencesWidget::onClickSkipOrClipboard);
}

GeneralPreferencesWidget::~GeneralPreferencesWidget() = default;

void GeneralPreferencesWidget::fillGuidelineColors()
{
    ui_->guidelineColor_->setIconSize(QSize(18, 12));
    for (const NamedColor &named : kGuidelineColors) {
        const QColor color(named.red, named.green, named.blue);
        ui_->guidelineColor_->addItem(swatch(color), tr(named.name), color);
    }
}

QCheckBox *GeneralPreferencesWidget::showFileDlgAfterCaptureBox() const
{
    return ui_->showFileDlgAfterCapture_;
}

void GeneralPreferencesWidget::setAutoSaveBox(QCheckBox *autoSave)
{
    autoSave_ = autoSave;
}

void GeneralPreferencesWidget::loadFrom(const KestrelPreferences &source)
{
    using P = KestrelPreferences;
    ui_->showOverlay_->setChecked(source.getBool(P::ShowOverlay, true));
    ui_->hideButtons_->setChecked(source.getBool(P::HideButtons, false));
    ui_->showFileDlgAfterCapture_->setChecked(source.getBool(P::ShowFileDlgAfterCapture, false));
    ui_->autoStart_->setChecked(source.getBool(P::AutoStart, true));
    ui_->trayMode_->setChecked(source.getBool(P::TrayMode, true));
    ui_->skipEditorWnd_->setChecked(source.getBool(P::SkipEditorWnd, false));
    ui_->copyToClipboard_->setChecked(source.getBool(P::CopyToClipboard, true));
    ui_->showPostSaveDlg_->setChecked(source.getBool(P::ShowPostSaveDlg, true));
    ui_->captureIncludeCursor_->setChecked(source.getBool(P::CaptureIncludeCursor, false));
    ui_->drawGuideline_->setChecked(source.getBool(P::DrawLine, false));

    // A colour outside the list shows the first entry; it is stored only if the user accepts.
    const int stored = P::encodeColor(source.getColor(P::LineColor, Qt::red));
    int index = 0;
    for (int i = 0; i < ui_->guidelineColor_->count(); ++i) {
        if (P::encodeColor(ui_->guidelineColor_->itemData(i).value<QColor>()) == stored) {
            index = i;
            break;
        }
    }
    ui_->guidelineColor_->setCurrentIndex(index);
}

void GeneralPreferencesWidget::save()
{
    using P = KestrelPreferences;
    preferences_->setBool(P::ShowOverlay, ui_->showOverlay_->isChecked());
    preferences_->setBool(P::HideButtons, ui_->hideButtons_->isChecked());
    preferences_->setBool(P::ShowFileDlgAfterCapture, ui_->showFileDlgAfterCapture_->isChecked());
    preferences_->setBool(P::AutoStart, ui_->autoStart_->isChecked());
    preferences_->setBool(P::TrayMode, ui_->trayMode_->isChecked());
    preferences_->setBool(P::SkipEditorWnd, ui_->skipEditorWnd_->isChecked());
    preferences_->setBool(P::CopyToClipboard, ui_->copyToClipboard_->isChecked());
    preferences_->setBool(P::ShowPostSaveDlg, ui_->showPostSaveDlg_->isChecked());
    preferences_->setBool(P::CaptureIncludeCursor, ui_->captureIncludeCursor_->isChecked());
    preferences_->setBool(P::DrawLine, ui_->drawGuideline_->isChecked());
    preferences_->setColor(P::LineColor, ui_->guidelineColor_->currentData().value<QColor>());
}

void GeneralPreferencesWidget::onClickShowFileDlgAfterCapture()
{
    if (!ui_->showFileDlgAfterCapture_->isChecked() || !autoSave_ || !autoSave_->isChecked())
        return;
    if (askOkCancel(tr("You use auto save.\nIf you enable \"Show file browser after capture\" "
                       "option\n\"Use auto save\" will be disabled.")))
        autoSave_->setChecked(false);
    else
        ui_->showFileDlgAfterCapture_->setChecked(false);
}

void GeneralPreferencesWidget::onClickSkipOrClipboard()
{
    if (!ui_->skipEditorWnd_->isChecked() || ui_->copyToClipboard_->isChecked())
        return;
    if (askOkCancel(tr("If you want to skip editor window\nyou must check \"Copy captured image to "
                       "clipboard\".")))
        ui_->copyToClipboard_->setChecked(true);
    else
        ui_->skipEditorWnd_->setChecked(false);
}

#include "preferences/ShortcutPreferencesWidget.h"

#include "preferences/KestrelPreferences.h"
#include "ui_ShortcutPreferencesWidget.h"

namespace {

constexpr int kBoxModifiers = ShortcutPreferencesWidget::Alt | ShortcutPreferencesWidget::Ctrl
        | ShortcutPreferencesWidget::Shift | ShortcutPreferencesWidget::Win;
constexpr int kDefaultModifiers =
        ShortcutPreferencesWidget::Ctrl | ShortcutPreferencesWidget::Shift;

} // namespace

ShortcutPreferencesWidget::ShortcutPreferencesWidget(KestrelPreferences *preferences,
                                                     QWidget *parent)
    : PreferencesPage(preferences, parent), ui_(new Ui::ShortcutPreferencesWidget)
{
    ui_->setupUi(this);
    using P = KestrelPreferences;
    // clang-format off
    rows_ = {{
        {ui_->region_, ui_->regionShift_, ui_->regionCtrl_, ui_->regionAlt_, ui_->regionWin_,
         ui_->regionKey_, P::UseHotKey, P::HotKeyMod, P::HotKeyChar},
        {ui_->window_, ui_->windowShift_, ui_->windowCtrl_, ui_->windowAlt_, ui_->windowWin_,
         ui_->windowKey_, P::UseHotKey_W, P::HotKeyMod_W, P::HotKeyChar_W},
        {ui_->childwnd_, ui_->childwndShift_, ui_->childwndCtrl_, ui_->childwndAlt_,
         ui_->childwndWin_, ui_->childwndKey_, P::UseHotKey_C, P::HotKeyMod_C, P::HotKeyChar_C},
        {ui_->fullscreen_, ui_->fullscreenShift_, ui_->fullscreenCtrl_, ui_->fullscreenAlt_,
         ui_->fullscreenWin_, ui_->fullscreenKey_, P::UseHotKey_F, P::HotKeyMod_F, P::HotKeyChar_F},
        {ui_->scroll_, ui_->scrollShift_, ui_->scrollCtrl_, ui_->scrollAlt_, ui_->scrollWin_,
         ui_->scrollKey_, P::UseHotKey_S, P::HotKeyMod_S, P::HotKeyChar_S},
        {ui_->fixedregion_, ui_->fixedregionShift_, ui_->fixedregionCtrl_, ui_->fixedregionAlt_,
         ui_->fixedregionWin_, ui_->fixedregionKey_, P::UseHotKey_FR, P::HotKeyMod_FR,
         P::HotKeyChar_FR},
    }};
    // clang-format on
    for (const Row &row : rows_)
        fillKeys(row.key);
    usePointingHand();

    using Self = ShortcutPreferencesWidget;
    const std::array<void (Self::*)(), kModes> toggled = {
            &Self::onToggledShortcutRegion,   &Self::onToggledShortcutWindow,
            &Self::onToggledShortcutChildWnd, &Self::onToggledShortcutFullscreen,
            &Self::onToggledShortcutScroll,   &Self::onToggledShortcutFixedRegion};
    for (int i = 0; i < kModes; ++i)
        connect(rows_[i].enable, &QCheckBox::toggled, this, toggled[i]);
}

ShortcutPreferencesWidget::~ShortcutPreferencesWidget() = default;

// The keys offered, each with its Windows virtual-key code: digits, F1 to F12, letters.
void ShortcutPreferencesWidget::fillKeys(QComboBox *combo)
{
    for (int code = '0'; code <= '9'; ++code)
        combo->addItem(QString(QChar(code)), code);
    constexpr int kVirtualKeyF1 = 0x70;
    for (int n = 1; n <= 12; ++n)
        combo->addItem(QStringLiteral("F%1").arg(n), kVirtualKeyF1 + n - 1);
    for (int code = 'A'; code <= 'Z'; ++code)
        combo->addItem(QString(QChar(code)), code);
}

void ShortcutPreferencesWidget::loadFrom(const KestrelPreferences &source)
{
    using P = KestrelPreferences;
    ui_->usePrintScreenKey_->setChecked(source.getBool(P::UsePrintScreen, true));
    const int mode = source.getInt(P::PrintScreenCaptureMode, 0);
    ui_->captureMode_->setCurrentIndex(mode >= 0 && mode < ui_->captureMode_->count() ? mode : 0);

    for (int i = 0; i < kModes; ++i) {
        const Row &row = rows_[i];
        row.enable->setChecked(source.getBool(row.useSlot, true));
        const int modifiers = source.getInt(row.modifierSlot, kDefaultModifiers);
        otherModifierBits_[i] = modifiers & ~kBoxModifiers;
        row.alt->setChecked(modifiers & Alt);
        row.ctrl->setChecked(modifiers & Ctrl);
        row.shift->setChecked(modifiers & Shift);
        row.win->setChecked(modifiers & Win);
        // A key the list does not offer shows the first one until the user accepts.
        row.key->setCurrentIndex(qMax(0, row.key->findData(source.getInt(row.keySlot, 0))));
        enableRow(i);
    }
}

void ShortcutPreferencesWidget::save()
{
    using P = KestrelPreferences;
    preferences_->setBool(P::UsePrintScreen, ui_->usePrintScreenKey_->isChecked());
    preferences_->setInt(P::PrintScreenCaptureMode, ui_->captureMode_->currentIndex());
    for (int i = 0; i < kModes; ++i) {
        const Row &row = rows_[i];
        const int modifiers = (row.alt->isChecked() ? Alt : 0) | (row.ctrl->isChecked() ? Ctrl : 0)
                | (row.shift->isChecked() ? Shift : 0) | (row.win->isChecked() ? Win : 0);
        preferences_->setBool(row.useSlot, row.enable->isChecked());
        preferences_->setInt(row.modifierSlot, otherModifierBits_[i] | modifiers);
        preferences_->setInt(row.keySlot, row.key->currentData().toInt());
    }
}

void ShortcutPreferencesWidget::enableRow(int row)
{
    const Row &r = rows_[row];
    const bool enabled = r.enable->isChecked();
    for (QWidget *control : {static_cast<QWidget *>(r.shift), static_cast<QWidget *>(r.ctrl),
                             static_cast<QWidget *>(r.alt), static_cast<QWidget *>(r.win),
                             static_cast<QWidget *>(r.key)})
        control->setEnabled(enabled);
}

void ShortcutPreferencesWidget::onToggledShortcutRegion()
{
    enableRow(0);
}

void ShortcutPreferencesWidget::onToggledShortcutWindow()
{
    enableRow(1);
}

void ShortcutPreferencesWidget::onToggledShortcutChildWnd()
{
    enableRow(2);
}

void ShortcutPreferencesWidget::onToggledShortcutFullscreen()
{
    enableRow(3);
}

void ShortcutPreferencesWidget::onToggledShortcutScroll()
{
    enableRow(4);
}

void ShortcutPreferencesWidget::onToggledShortcutFixedRegion()
{
    enableRow(5);
}

#pragma once

#include "preferences/PreferencesPage.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;

namespace Ui {
class ShortcutPreferencesWidget;
}

// The capture program's hot keys: the Print Screen key and one key combination per capture
// mode. Registering them, and any conflict, is the capture program's business.
class ShortcutPreferencesWidget : public PreferencesPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ShortcutPreferencesWidget)

public:
    // Windows hot-key modifier bits, as the capture program stores them.
    enum Modifier { Alt = 1, Ctrl = 2, Shift = 4, Win = 8 };

    explicit ShortcutPreferencesWidget(KestrelPreferences *preferences, QWidget *parent = nullptr);
    ~ShortcutPreferencesWidget() override;

    void save() override;

public slots:
    void onToggledShortcutRegion();
    void onToggledShortcutWindow();
    void onToggledShortcutChildWnd();
    void onToggledShortcutFullscreen();
    void onToggledShortcutScroll();
    void onToggledShortcutFixedRegion();

protected:
    void loadFrom(const KestrelPreferences &source) override;

private:
    static constexpr int kModes = 6;

    struct Row
    {
        QCheckBox *enable;
        QCheckBox *shift, *ctrl, *alt, *win;
        QComboBox *key;
        int useSlot, modifierSlot, keySlot;
    };

    void fillKeys(QComboBox *combo);
    void enableRow(int row);

    const std::unique_ptr<Ui::ShortcutPreferencesWidget> ui_;
    std::array<Row, kModes> rows_;
    // Stored modifier bits beyond the four boxes, kept for the capture program.
    std::array<int, kModes> otherModifierBits_ {};
};

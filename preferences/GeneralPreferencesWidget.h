#pragma once

#include "preferences/PreferencesPage.h"

#include <memory>

class QCheckBox;

namespace Ui {
class GeneralPreferencesWidget;
}

// The capture program's general behaviour: overlay, buttons, start and tray, what follows a
// capture, and the guideline.
class GeneralPreferencesWidget : public PreferencesPage
{
    Q_OBJECT
    Q_DISABLE_COPY(GeneralPreferencesWidget)

public:
    explicit GeneralPreferencesWidget(KestrelPreferences *preferences, QWidget *parent = nullptr);
    ~GeneralPreferencesWidget() override;

    void save() override;

    QCheckBox *showFileDlgAfterCaptureBox() const;
    // The Capture page's "Use auto save", which excludes the file browser after capture.
    void setAutoSaveBox(QCheckBox *autoSave);

public slots:
    void onClickShowFileDlgAfterCapture();
    void onClickSkipOrClipboard();

protected:
    void loadFrom(const KestrelPreferences &source) override;

private:
    void fillGuidelineColors();

    const std::unique_ptr<Ui::GeneralPreferencesWidget> ui_;
    QCheckBox *autoSave_ = nullptr;
};

#pragma once

#include "preferences/PreferencesPage.h"

#include <memory>

namespace Ui {
class HistoryPreferencesWidget;
}

// What the history strip asks and tells when captures are saved or deleted, and whether
// it makes room by itself when it is full.
class HistoryPreferencesWidget : public PreferencesPage
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryPreferencesWidget)

public:
    explicit HistoryPreferencesWidget(KestrelPreferences *preferences, QWidget *parent = nullptr);
    ~HistoryPreferencesWidget() override;

    void save() override;

protected:
    void loadFrom(const KestrelPreferences &source) override;

private:
    const std::unique_ptr<Ui::HistoryPreferencesWidget> ui_;
};

#include "preferences/HistoryPreferencesWidget.h"

#include "preferences/KestrelPreferences.h"
#include "ui_HistoryPreferencesWidget.h"

HistoryPreferencesWidget::HistoryPreferencesWidget(KestrelPreferences *preferences, QWidget *parent)
    : PreferencesPage(preferences, parent), ui_(new Ui::HistoryPreferencesWidget)
{
    ui_->setupUi(this);
    usePointingHand();
}

HistoryPreferencesWidget::~HistoryPreferencesWidget() = default;

void HistoryPreferencesWidget::loadFrom(const KestrelPreferences &source)
{
    using P = KestrelPreferences;
    ui_->notifyDeleteAllHistory_->setChecked(source.getBool(P::NotifyDeleteAllHistory, true));
    ui_->showPostSaveAllDlg_->setChecked(source.getBool(P::ShowPostSaveAllDlg, true));
    ui_->notifyDeleteHistory_->setChecked(source.getBool(P::NotifyDeleteHistory, true));
    ui_->autoHistoryDelete_->setChecked(source.getBool(P::AutoHistoryDelete, false));
}

void HistoryPreferencesWidget::save()
{
    using P = KestrelPreferences;
    preferences_->setBool(P::NotifyDeleteAllHistory, ui_->notifyDeleteAllHistory_->isChecked());
    preferences_->setBool(P::ShowPostSaveAllDlg, ui_->showPostSaveAllDlg_->isChecked());
    preferences_->setBool(P::NotifyDeleteHistory, ui_->notifyDeleteHistory_->isChecked());
    preferences_->setBool(P::AutoHistoryDelete, ui_->autoHistoryDelete_->isChecked());
}

#include "preferences/PreferencesPage.h"

#include "preferences/KestrelPreferences.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QComboBox>

PreferencesPage::PreferencesPage(KestrelPreferences *preferences, QWidget *parent)
    : QWidget(parent), preferences_(preferences)
{ }

void PreferencesPage::load()
{
    loadFrom(*preferences_);
}

void PreferencesPage::setDefaults()
{
    KestrelPreferences defaults;
    if (defaults.initializeDefaults())
        loadFrom(defaults);
}

void PreferencesPage::usePointingHand()
{
    const auto buttons = findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        button->setCursor(Qt::PointingHandCursor);
    const auto combos = findChildren<QComboBox *>();
    for (QComboBox *combo : combos)
        combo->setCursor(Qt::PointingHandCursor);
}

bool PreferencesPage::askOkCancel(const QString &question)
{
    return MessageBox::question(this, tr("Kestrel"), question, MessageBox::Ok | MessageBox::Cancel,
                                MessageBox::Ok)
            == MessageBox::Ok;
}

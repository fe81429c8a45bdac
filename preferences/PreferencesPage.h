#pragma once

#include <QWidget>

class KestrelPreferences;

// One page of the preferences dialog. A page reads the store only when the dialog opens and
// writes it only when the user accepts, so whatever the controls show in between is
// discarded by Cancel.
class PreferencesPage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(PreferencesPage)

public:
    explicit PreferencesPage(KestrelPreferences *preferences, QWidget *parent = nullptr);

    // Store to controls.
    void load();
    // Controls to store, through the store's setters, so only changed values are saved.
    virtual void save() = 0;
    // Controls to the values of a fresh installation; the store is untouched.
    void setDefaults();

protected:
    virtual void loadFrom(const KestrelPreferences &source) = 0;
    // Gives every button, check box and combo box of the page the pointing hand.
    void usePointingHand();
    // Asks about a rule that ties two settings together; true for OK, false for Cancel or
    // a closed box.
    bool askOkCancel(const QString &question);

    KestrelPreferences *const preferences_;
};

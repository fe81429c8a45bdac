#pragma once

#include "preferences/ImagePreferencesWidget.h"

#include <QDialog>
#include <array>
#include <memory>

class GeneralPreferencesWidget;
class HistoryPreferencesWidget;
class KestrelPreferences;
class PreferencesPage;
class ShortcutPreferencesWidget;

namespace Ui {
class PreferencesDialog;
}

// Every setting of the editor and the capture program on four pages. The owner reloads the
// pages and picks one each time it opens the dialog; the pages write the store only on OK,
// and the owner saves the store when the dialog finishes accepted. Cancel, Escape and
// closing the window leave the store as it was.
class PreferencesDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(PreferencesDialog)

public:
    enum Page { GeneralPage = 0, CapturePage = 1, ShortcutPage = 2, HistoryPage = 3 };

    // Reads nothing yet: the store may still be empty.
    explicit PreferencesDialog(KestrelPreferences *preferences, QWidget *parent = nullptr);
    ~PreferencesDialog() override;

    // Store to controls, on every page.
    void loadAll();
    // A page number out of range selects the first page.
    void selectPage(int index);
    int currentPage() const;
    void setFileNameFormatEditor(ImagePreferencesWidget::FileNameFormatEditor editor);

public slots:
    void onItemSelectionChanged();
    void onOK();
    void onCancel();
    void onSetDefaultThisPage();
    void onSetDefaultAllPages();

private:
    void addPage(PreferencesPage *page, const QString &text, const QString &icon);
    bool confirmDefaults(const QString &question);

    const std::unique_ptr<Ui::PreferencesDialog> ui_;
    GeneralPreferencesWidget *const general_;
    ImagePreferencesWidget *const image_;
    ShortcutPreferencesWidget *const shortcut_;
    HistoryPreferencesWidget *const history_;
    std::array<PreferencesPage *, 4> pages_;
};

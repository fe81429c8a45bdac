#include "preferences/PreferencesDialog.h"

#include "preferences/GeneralPreferencesWidget.h"
#include "preferences/HistoryPreferencesWidget.h"
#include "preferences/ShortcutPreferencesWidget.h"
#include "ui_PreferencesDialog.h"
#include "widgets/Menu.h"
#include "widgets/MessageBox.h"

PreferencesDialog::PreferencesDialog(KestrelPreferences *preferences, QWidget *parent)
    : QDialog(parent), ui_(new Ui::PreferencesDialog),
      general_(new GeneralPreferencesWidget(preferences)),
      image_(new ImagePreferencesWidget(preferences)),
      shortcut_(new ShortcutPreferencesWidget(preferences)),
      history_(new HistoryPreferencesWidget(preferences)), pages_ {{general_, image_, shortcut_,
                                                                    history_}}
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    addPage(general_, tr("General"), QStringLiteral(":/res/preferences/general.svg"));
    addPage(image_, tr("Capture"), QStringLiteral(":/res/preferences/image.svg"));
    addPage(shortcut_, tr("Shortcut"), QStringLiteral(":/res/preferences/shortcut.svg"));
    addPage(history_, tr("History"), QStringLiteral(":/res/preferences/history.svg"));
    ui_->preferencesList_->viewport()->setCursor(Qt::PointingHandCursor);

    // "Use auto save" and "Show file browser after capture" exclude each other across pages.
    general_->setAutoSaveBox(image_->useAutoSaveBox());
    image_->setShowFileDlgBox(general_->showFileDlgAfterCaptureBox());

    auto *defaults = new Menu(ui_->default_);
    defaults->addAction(tr("set default this page"), this,
                        &PreferencesDialog::onSetDefaultThisPage);
    defaults->addAction(tr("set default all pages"), this,
                        &PreferencesDialog::onSetDefaultAllPages);
    ui_->default_->setMenu(defaults);
    ui_->default_->setCursor(Qt::PointingHandCursor);

    connect(ui_->preferencesList_, &QListWidget::itemSelectionChanged, this,
            &PreferencesDialog::onItemSelectionChanged);
    connect(ui_->ok_, &QPushButton::clicked, this, &PreferencesDialog::onOK);
    connect(ui_->cancel_, &QPushButton::clicked, this, &PreferencesDialog::onCancel);
    selectPage(GeneralPage);
}

PreferencesDialog::~PreferencesDialog() = default;

void PreferencesDialog::addPage(PreferencesPage *page, const QString &text, const QString &icon)
{
    auto *item = new QListWidgetItem(QIcon(icon), text, ui_->preferencesList_);
    item->setSizeHint(QSize(0, 40));
    ui_->preferencesPages_->addWidget(page);
}

void PreferencesDialog::setFileNameFormatEditor(ImagePreferencesWidget::FileNameFormatEditor editor)
{
    image_->setFileNameFormatEditor(std::move(editor));
}

void PreferencesDialog::loadAll()
{
    for (PreferencesPage *page : pages_)
        page->load();
}

void PreferencesDialog::selectPage(int index)
{
    if (index < 0 || index >= int(pages_.size()))
        index = GeneralPage;
    ui_->preferencesList_->setCurrentRow(index);
    onItemSelectionChanged();
}

int PreferencesDialog::currentPage() const
{
    return ui_->preferencesPages_->currentIndex();
}

void PreferencesDialog::onItemSelectionChanged()
{
    const int row = ui_->preferencesList_->currentRow();
    if (row < 0)
        return;
    ui_->preferencesPages_->setCurrentIndex(row);
    ui_->pageTitle_->setText(ui_->preferencesList_->item(row)->text());
}

void PreferencesDialog::onOK()
{
    for (PreferencesPage *page : pages_)
        page->save();
    accept();
}

void PreferencesDialog::onCancel()
{
    reject();
}

bool PreferencesDialog::confirmDefaults(const QString &question)
{
    return MessageBox::question(this, tr("Kestrel"), question, MessageBox::Yes | MessageBox::No,
                                MessageBox::No)
            == MessageBox::Yes;
}

void PreferencesDialog::onSetDefaultThisPage()
{
    if (!confirmDefaults(tr("Set this page to default.\nWould you like to continue?")))
        return;
    pages_[currentPage()]->setDefaults();
}

void PreferencesDialog::onSetDefaultAllPages()
{
    if (!confirmDefaults(tr("Set all pages to default.\nWould you like to continue?")))
        return;
    for (PreferencesPage *page : pages_)
        page->setDefaults();
}

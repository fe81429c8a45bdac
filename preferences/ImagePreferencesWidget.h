#pragma once

#include "preferences/PreferencesPage.h"

#include <QList>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QCheckBox;

namespace Ui {
class ImagePreferencesWidget;
}

// How captures are saved: format and quality, the file-name rule, automatic saving, the
// fixed-size capture presets and the external edit tool.
class ImagePreferencesWidget : public PreferencesPage
{
    Q_OBJECT
    Q_DISABLE_COPY(ImagePreferencesWidget)

public:
    // Lets the user edit a file-name rule in place; false when they cancel. The dialog that
    // does it lives with the file-name code, which builds on the preferences, so it is
    // handed in from above.
    using FileNameFormatEditor = std::function<bool(QWidget *parent, int &type, QString &format)>;

    explicit ImagePreferencesWidget(KestrelPreferences *preferences, QWidget *parent = nullptr);
    ~ImagePreferencesWidget() override;

    void save() override;

    QCheckBox *useAutoSaveBox() const;
    // The General page's "Show file browser after capture", which excludes auto save.
    void setShowFileDlgBox(QCheckBox *showFileDlg);
    void setFileNameFormatEditor(FileNameFormatEditor editor);

public slots:
    void onChangeFormatCombo(const QString &str);
    void onClickUseAutoSave();
    void onStateChangedUseAutoSave(int state);
    void onClickSetFileNameFormat();
    void onClickBrowseSavePath();
    void onClickBrowseEditTool();
    void onTableItemSelectionChanged();
    void onClickAddPreset();
    void onClickDeletePreset();
    void onClickEditPreset();

protected:
    void loadFrom(const KestrelPreferences &source) override;

private:
    void showPresets();
    int selectedPreset() const;
    int presetCells() const;

    const std::unique_ptr<Ui::ImagePreferencesWidget> ui_;
    QCheckBox *showFileDlg_ = nullptr;
    FileNameFormatEditor fileNameFormatEditor_;
    int fileNameType_ = 1;
    QString fileNameTemplate_;
    QList<QSize> presets_;
    int loadedQuality_ = 100;
    // The pictures folder shown for an empty "AutoSavePath", which keeps meaning it.
    QString savePathFallback_;
};

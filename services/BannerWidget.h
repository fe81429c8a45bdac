#pragma once

#include "services/ServiceAbi.h"

#include <QLibrary>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

// The advertising strip under the image. The maker's banner library ("QXAd.dll") draws
// into the label; without the library the strip stays empty. The user may close it for
// three hours.
class BannerWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(BannerWidget)

public:
    static constexpr int kBannerWidth = 728;
    static constexpr int kBannerHeight = 90;
    static constexpr int kReshowDelayMs = 3 * 60 * 60 * 1000;

    // libraryPath is for tests; the program uses the library beside its executable.
    explicit BannerWidget(QWidget *parent = nullptr, const QString &libraryPath = QString());
    ~BannerWidget() override;

    bool IsLibraryLoaded() const;

public slots:
    void onClickCloseBanner();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onRegenTimer();

private:
    struct EntryPoints
    {
        QxBannerInitializeFn initialize = nullptr;
        QxBannerCreateAreaExFn createAreaEx = nullptr;
        QxBannerDeleteAreaFn deleteArea = nullptr;
        QxBannerFinalizeFn finalize = nullptr;
        QxBannerSetCookieFn setCookie = nullptr;
        QxBannerAddCookieFn addCookie = nullptr;
        QxBannerApplyCookiesFn applyCookies = nullptr;
    };

    void InitializeLibrary(const QString &libraryPath);
    bool ResolveEntryPoints();
    void UnloadLibrary();
    void CreateArea();

    QLibrary library_;
    EntryPoints entryPoints_;
    QLabel *banner_;
    QPushButton *close_ = nullptr;
    QTimer regenTimer_;
};

#include "services/BannerWidget.h"

#include "platform/WindowUtilities.h"
#include "services/ServiceExports.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyleOption>

namespace {
const char *const kLibraryName = "QXAd.dll";
const char *const kBannerPage = "https://ads.norvane.example/kestrel/editor/banner";
const char *const kFallbackImage = "Banner/banner_default_kestrel_3.bmp";
const char *const kClickThrough = "https://www.norvane.example/kestrel";
// clang-format off
const char *const kCookieDomains[] = {
    "ads.norvane.example",
    "track.norvane.example",
    "cdn.adnet-one.example",
    "sync.adnet-two.example",
    "pixel.adnet-three.example",
};
// clang-format on
} // namespace

BannerWidget::BannerWidget(QWidget *parent, const QString &libraryPath)
    : QWidget(parent), banner_(new QLabel(this)), regenTimer_(this)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    setMaximumHeight(kBannerHeight);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    banner_->setObjectName(QStringLiteral("banner_"));
    banner_->setMinimumSize(kBannerWidth, kBannerHeight);
    banner_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    layout->addWidget(banner_);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    regenTimer_.setSingleShot(true);
    connect(&regenTimer_, &QTimer::timeout, this, &BannerWidget::onRegenTimer);

    InitializeLibrary(libraryPath.isEmpty() ? AppDirFile(kLibraryName) : libraryPath);
    if (IsLibraryLoaded())
        CreateArea();

    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("close_"));
    close_->setCursor(Qt::PointingHandCursor);
    connect(close_, &QPushButton::clicked, this, &BannerWidget::onClickCloseBanner);
}

BannerWidget::~BannerWidget() = default;

bool BannerWidget::IsLibraryLoaded() const
{
    // QLibrary::isLoaded() reports the module, which another loader may still hold.
    return entryPoints_.createAreaEx != nullptr;
}

void BannerWidget::InitializeLibrary(const QString &libraryPath)
{
    library_.setFileName(libraryPath);
    if (!library_.load())
        return;
    if (!ResolveEntryPoints() || entryPoints_.initialize() == 0) {
        UnloadLibrary();
        return;
    }
    for (const char *domain : kCookieDomains)
        entryPoints_.addCookie(ServiceWideString(QString::fromLatin1(domain)));
    entryPoints_.applyCookies();
}

bool BannerWidget::ResolveEntryPoints()
{
    // Every export must be there, even those this widget never calls.
    bool complete = ResolveServiceExport(library_, "QXBanner_Initialize", entryPoints_.initialize);
    complete &= ResolveServiceExport(library_, "QXBanner_CreateAreaEx", entryPoints_.createAreaEx);
    complete &= ResolveServiceExport(library_, "QXBanner_DeleteArea", entryPoints_.deleteArea);
    complete &= ResolveServiceExport(library_, "QXBanner_Finalize", entryPoints_.finalize);
    complete &= ResolveServiceExport(library_, "QXBanner_SetCookie", entryPoints_.setCookie);
    complete &= ResolveServiceExport(library_, "QXBanner_AddCookie", entryPoints_.addCookie);
    complete &= ResolveServiceExport(library_, "QXBanner_ApplyCookies", entryPoints_.applyCookies);
    return complete;
}

void BannerWidget::UnloadLibrary()
{
    if (library_.isLoaded())
        library_.unload();
    entryPoints_ = EntryPoints();
}

void BannerWidget::CreateArea()
{
    const QString page = QString::fromLatin1(kBannerPage);
    const QString fallback = QString::fromLatin1(kFallbackImage);
    const QString clickThrough = QString::fromLatin1(kClickThrough);
    auto *window = reinterpret_cast<void *>(banner_->winId());
    entryPoints_.createAreaEx(window, kBannerWidth, kBannerHeight, ServiceWideString(page),
                              ServiceWideString(page), ServiceWideString(page),
                              ServiceWideString(fallback), ServiceWideString(clickThrough));
}

void BannerWidget::onClickCloseBanner()
{
    hide();
    // One timer: closing again restarts the wait instead of stacking reappearances.
    regenTimer_.start(kReshowDelayMs);
}

void BannerWidget::onRegenTimer()
{
    show();
}

void BannerWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void BannerWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (close_)
        close_->setGeometry(width() - close_->width(), 1, close_->width(), close_->height());
}

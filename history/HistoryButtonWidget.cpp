#include "history/HistoryButtonWidget.h"

#include "editor/Editor.h"
#include "history/HistoryButton.h"
#include "history/HistoryListWidgetItem.h"
#include "widgets/Menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QStyleOption>

namespace {

// The image is first sampled to this many times the thumbnail size, which costs little
// whatever the capture's size, then averaged down, so fine detail does not alias.
constexpr int kOversampling = 4;

QSize thumbnailSize(const QSize &source, const QSize &iconSize)
{
    if (source.width() <= source.height()) {
        const int width = qRound(double(source.width()) * iconSize.height() / source.height());
        return QSize(qMax(1, width), iconSize.height());
    }
    const int height = qRound(double(source.height()) * iconSize.width() / source.width());
    return QSize(iconSize.width(), qMax(1, height));
}

QImage sampledImage(const QPixmap &image, const QRect &source, const QSize &size)
{
    QImage coarse((size * kOversampling).boundedTo(source.size()),
                  QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&coarse);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(QRectF(coarse.rect()), image, QRectF(source));
    painter.end();
    return coarse.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

HistoryButtonWidget::HistoryButtonWidget(HistoryListWidgetItem *item, QWidget *parent)
    : QWidget(parent), item_(item), editor_(item ? item->editor() : nullptr),
      button_(new HistoryButton(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(button_);
    layout->addStretch();

    connect(button_, &QPushButton::clicked, this, &HistoryButtonWidget::onClicked);
    connect(button_, &HistoryButton::dragStarted, this, [this] { emit dragStarted(item_); });
    connect(button_, &HistoryButton::clickCloseButton, this,
            &HistoryButtonWidget::onContextMenuDelete);
    connect(this, &HistoryButtonWidget::imageSaved, button_, &HistoryButton::onImageSaved);
    connect(this, &HistoryButtonWidget::changeSelectionMode, this,
            &HistoryButtonWidget::onChangeSelectionMode);
    connect(this, &HistoryButtonWidget::changeSelectionMode, button_,
            &HistoryButton::onChangeSelectionMode);
    connect(button_, &HistoryButton::changeSelectChecked, this,
            &HistoryButtonWidget::changeSelectChecked);
    if (editor_ && editor_->isSaved())
        button_->onImageSaved(true);
    onChangedItemList();
}

HistoryButtonWidget::~HistoryButtonWidget() = default;

bool HistoryButtonWidget::isSelectChecked() const
{
    return button_->isSelectChecked();
}

QPixmap HistoryButtonWidget::renderThumbnail(Editor &editor, const QSize &iconSize)
{
    const QPixmap &image = editor.image();
    const QRect source =
            editor.cropRect().isEmpty() ? image.rect() : editor.cropRect() & image.rect();
    if (image.isNull() || source.isEmpty() || iconSize.isEmpty())
        return QPixmap();
    QImage picture = sampledImage(image, source, thumbnailSize(source.size(), iconSize));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    editor.QGraphicsScene::render(&painter, QRectF(picture.rect()), QRectF(source),
                                  Qt::IgnoreAspectRatio);
    painter.end();
    return QPixmap::fromImage(std::move(picture));
}

void HistoryButtonWidget::onClicked()
{
    emit clicked(item_);
}

void HistoryButtonWidget::onChangedItemList()
{
    // A document out of memory keeps the thumbnail it had.
    if (!editor_ || !editor_->isImageLoaded())
        return;
    button_->ensurePolished();
    const QPixmap thumbnail = renderThumbnail(*editor_, button_->iconSize());
    if (!thumbnail.isNull())
        button_->setIcon(QIcon(thumbnail));
}

void HistoryButtonWidget::onContextMenuSave()
{
    emit contextMenuSave(item_);
}

void HistoryButtonWidget::onContextMenuDelete()
{
    emit contextMenuDelete(item_);
}

void HistoryButtonWidget::onContextMenuSaveImages()
{
    emit contextMenuSaveImages();
}

void HistoryButtonWidget::onContextMenuDeleteImages()
{
    emit contextMenuDeleteImages();
}

void HistoryButtonWidget::onContextMenuOpenSavedFolder()
{
    emit contextMenuOpenSavedFolder(item_);
}

void HistoryButtonWidget::onContextMenuOpenSavedImage()
{
    emit contextMenuOpenSavedImage(item_);
}

void HistoryButtonWidget::onChangeSelectionMode(HistorySelectMode mode)
{
    mode_ = mode;
}

void HistoryButtonWidget::buildContextMenu()
{
    if (menu_)
        return;
    menu_ = new Menu(this);
    // The shortcuts are shown as hints; the window's own shortcuts act on the shown capture.
    QAction *save = menu_->addAction(tr("Save"), this, &HistoryButtonWidget::onContextMenuSave);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setShortcutContext(Qt::WidgetShortcut);
    QAction *remove =
            menu_->addAction(tr("Delete"), this, &HistoryButtonWidget::onContextMenuDelete);
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    remove->setShortcutContext(Qt::WidgetShortcut);
    menu_->addSeparator();
    saveImagesAction_ =
            menu_->addAction(QString(), this, &HistoryButtonWidget::onContextMenuSaveImages);
    deleteImagesAction_ =
            menu_->addAction(QString(), this, &HistoryButtonWidget::onContextMenuDeleteImages);
    menu_->addSeparator();
    openSavedFolderAction_ = menu_->addAction(tr("OpenSavedFolder(&O)"), this,
                                              &HistoryButtonWidget::onContextMenuOpenSavedFolder);
    openSavedImageAction_ = menu_->addAction(tr("OpenSavedImage(&V)"), this,
                                             &HistoryButtonWidget::onContextMenuOpenSavedImage);
}

void HistoryButtonWidget::contextMenuEvent(QContextMenuEvent *event)
{
    buildContextMenu();
    const bool multi = mode_ == MultiSelectMode;
    saveImagesAction_->setText(multi ? tr("Save selected images") : tr("Save all images"));
    deleteImagesAction_->setText(multi ? tr("Delete seleted images") : tr("Delete all images"));
    const bool saved = editor_ && editor_->isSaved();
    openSavedFolderAction_->setEnabled(saved);
    openSavedImageAction_->setEnabled(saved);
    bool someChecked = true;
    if (multi) {
        someChecked = false;
        emit isSelectedItem(someChecked);
    }
    saveImagesAction_->setEnabled(someChecked);
    deleteImagesAction_->setEnabled(someChecked);
    // Not exec(): a nested loop could outlive this row if the row is deleted meanwhile.
    menu_->popup(event->globalPos());
    event->accept();
}

void HistoryButtonWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void HistoryButtonWidget::closeEvent(QCloseEvent *event)
{
    if (item_ && item_->listWidget())
        QObject::disconnect(item_->listWidget(), nullptr, this, nullptr);
    item_ = nullptr;
    disconnect();
    QObject::disconnect(button_, nullptr, this, nullptr);
    if (editor_)
        QObject::disconnect(editor_, nullptr, this, nullptr);
    if (menu_)
        menu_->close();
    event->accept();
}

void HistoryButtonWidget::mouseMoveEvent(QMouseEvent *)
{
    // Swallowed: the list would otherwise drag its selection along under the mouse.
}

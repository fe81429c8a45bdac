#include "history/HistoryButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kSelectButtonInset = 4;
// The style sheet sets the same; this holds until it is applied.
constexpr int kIconSize = 72;

QPushButton *markButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setCursor(Qt::PointingHandCursor);
    // The marks act on the row; the keyboard stays with the editor.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel *markLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

} // namespace

HistoryButton::HistoryButton(QWidget *parent)
    : QPushButton(parent), closeButton_(markButton("closeButton_", this)),
      selectButton_(markButton("selectButton_", this)), saveIcon_(markLabel("saveIcon_", this)),
      unreadableIcon_(markLabel("unreadableIcon_", this))
{
    setCheckable(true);
    setIconSize(QSize(kIconSize, kIconSize));
    setCursor(Qt::PointingHandCursor);
    setProperty("saved", false);
    setProperty("selected", false);
    setProperty("unreadable", false);
    closeButton_->setToolTip(tr("Delete"));
    closeButton_->hide();
    selectButton_->setCheckable(true);
    selectButton_->hide();
    connect(selectButton_, &QPushButton::toggled, this, &HistoryButton::onImageSelected);
    connect(selectButton_, &QPushButton::toggled, this, &HistoryButton::changeSelectChecked);
    connect(closeButton_, &QPushButton::clicked, this, &HistoryButton::onClickCloseButton);
}

bool HistoryButton::isSelectChecked() const
{
    return selectButton_->isChecked();
}

void HistoryButton::setCanvasColor(const QColor &color)
{
    canvasColor_ = color;
    update();
}

void HistoryButton::setUnreadable(bool unreadable)
{
    if (unreadable == isUnreadable())
        return;
    unreadableIcon_->setVisible(unreadable);
    setToolTip(unreadable ? tr("The capture file is missing or cannot be read.") : QString());
    setStateProperty("unreadable", unreadable);
}

bool HistoryButton::isUnreadable() const
{
    return property("unreadable").toBool();
}

void HistoryButton::onImageSaved(bool saved)
{
    saveIcon_->setVisible(saved);
    setStateProperty("saved", saved);
}

void HistoryButton::onImageSelected(bool checked)
{
    selectButton_->setChecked(checked);
    setStateProperty("selected", checked);
}

void HistoryButton::onChangeSelectionMode(HistorySelectMode mode)
{
    mode_ = mode;
    selectButton_->setChecked(false);
    selectButton_->setVisible(mode == MultiSelectMode);
}

void HistoryButton::onClickCloseButton()
{
    emit clickCloseButton();
}

void HistoryButton::setStateProperty(const char *name, bool value)
{
    setProperty(name, value);
    // Rules that test a property are matched again only when the widget is re-polished.
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void HistoryButton::enterEvent(QEvent *event)
{
    closeButton_->show();
    closeButton_->raise();
    QPushButton::enterEvent(event);
}

void HistoryButton::leaveEvent(QEvent *event)
{
    closeButton_->hide();
    QPushButton::leaveEvent(event);
}

void HistoryButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    placeMarks();
}

void HistoryButton::placeMarks()
{
    for (QWidget *mark :
         {static_cast<QWidget *>(closeButton_), static_cast<QWidget *>(selectButton_),
          static_cast<QWidget *>(saveIcon_), static_cast<QWidget *>(unreadableIcon_)})
        mark->resize(mark->sizeHint());
    closeButton_->move(width() - closeButton_->width(), 0);
    selectButton_->move(kSelectButtonInset, kSelectButtonInset);
    saveIcon_->move(0, height() - saveIcon_->height());
    unreadableIcon_->move((width() - unreadableIcon_->width()) / 2,
                          (height() - unreadableIcon_->height()) / 2);
}

// The thumbnail goes first and the frame over it, so the style sheet's frame (and the
// tint of a checked capture) lie on the picture rather than around it.
void HistoryButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (canvasColor_.isValid())
        painter.fillRect(contents, canvasColor_);
    QStyleOptionButton label = option;
    label.rect = contents;
    painter.drawControl(QStyle::CE_PushButtonLabel, label);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contents;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void HistoryButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        drag_.press(event->pos());
    else
        drag_.end();
    QPushButton::mousePressEvent(event);
}

void HistoryButton::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && drag_.startsAt(event->pos())) {
        // Up again, the button does not click when the mouse button is released.
        setDown(false);
        emit dragStarted();
        return;
    }
    if (!drag_.hasStarted())
        QPushButton::mouseMoveEvent(event);
}

void HistoryButton::mouseReleaseEvent(QMouseEvent *event)
{
    drag_.end();
    QPushButton::mouseReleaseEvent(event);
}

#include "widgets/ToolButton.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

namespace {

// The picture's distance from the button's top edge; the style sheet's top padding leaves
// room for it above the caption.
constexpr int kImageTop = 5;
constexpr qreal kDisabledImageOpacity = 0.35;

} // namespace

ToolButton::ToolButton(QWidget *parent) : QPushButton(parent)
{
    build();
}

ToolButton::ToolButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    build();
}

ToolButton::ToolButton(const QString &text, const QString &objectName, QWidget *parent)
    : QPushButton(text, parent)
{
    setObjectName(objectName);
    build();
}

void ToolButton::build()
{
    setCursor(Qt::PointingHandCursor);
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("image_"));
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // One picture serves every state; a disabled button shows it faded.
    auto *fade = new QGraphicsOpacityEffect(image_);
    fade->setOpacity(kDisabledImageOpacity);
    fade->setEnabled(false);
    image_->setGraphicsEffect(fade);
}

void ToolButton::setCompact(bool compact)
{
    if (compact == compact_)
        return;
    compact_ = compact;
    if (compact) {
        caption_ = text();
        setAccessibleName(caption_);
        setText(QString());
    } else {
        setText(caption_);
    }
    // The style sheet gives compact buttons narrower margins.
    setProperty("compact", compact);
    style()->unpolish(this);
    style()->polish(this);
    updateGeometry();
}

void ToolButton::mousePressEvent(QMouseEvent *event)
{
    // Only a press the button will act on is announced: a right click presses nothing.
    if (event->button() == Qt::LeftButton && hitButton(event->pos()))
        emit beforePress();
    QPushButton::mousePressEvent(event);
}

void ToolButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit beforePress();
    QPushButton::keyPressEvent(event);
}

void ToolButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    placeImage();
}

void ToolButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        image_->graphicsEffect()->setEnabled(!isEnabled());
    else if (event->type() == QEvent::StyleChange)
        placeImage();
}

void ToolButton::placeImage()
{
    image_->adjustSize();
    image_->move((width() - image_->width()) / 2, kImageTop);
}

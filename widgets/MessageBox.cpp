#include "widgets/MessageBox.h"

#include "ui_MessageBox.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHash>
#include <QPushButton>
#include <QStyle>

namespace {

// Roles of the buttons that carry the action the box asks for.
bool isPositiveRole(QDialogButtonBox::ButtonRole role)
{
    return role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::YesRole
            || role == QDialogButtonBox::ApplyRole;
}

// Roles the button box turns into accepted() or rejected() itself.
bool closesTheBox(QDialogButtonBox::ButtonRole role)
{
    return role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::YesRole
            || role == QDialogButtonBox::RejectRole || role == QDialogButtonBox::NoRole;
}

int lineCount(const QLabel *label)
{
    return label->isHidden() ? 0 : label->text().count(QLatin1Char('\n')) + 1;
}

} // namespace

MessageBox::MessageBox(QWidget *parent) : QDialog(parent), ui_(new Ui::MessageBox)
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("Kestrel"));
    setIcon(NoIcon);
    connect(ui_->btnBox_, &QDialogButtonBox::clicked, this, &MessageBox::onButtonClicked);
    connect(ui_->btnBox_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui_->btnBox_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

MessageBox::MessageBox(Icon icon, const QString &title, const QString &text,
                       StandardButtons buttons, QWidget *parent, Qt::WindowFlags flags)
    : MessageBox(parent)
{
    setWindowFlags(flags);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setIcon(icon);
    if (!title.isEmpty())
        setWindowTitle(title);
    setText(text);
    setStandardButtons(buttons);
}

MessageBox::~MessageBox() = default;

QString MessageBox::iconName(Icon icon)
{
    switch (icon) {
    case Information:
        return QStringLiteral("Information");
    case Warning:
        return QStringLiteral("Warning");
    case Critical:
        return QStringLiteral("Critical");
    case Question:
        return QStringLiteral("Question");
    case Success:
        return QStringLiteral("Success");
    case NoIcon:
        break;
    }
    return QStringLiteral("NoIcon");
}

void MessageBox::setIcon(Icon icon)
{
    icon_ = icon;
    ui_->icon_->setProperty("icon", iconName(icon));
    // The style sheet picks the picture from the property; it only looks again when told.
    ui_->icon_->style()->unpolish(ui_->icon_);
    ui_->icon_->style()->polish(ui_->icon_);
}

QString MessageBox::text() const
{
    return ui_->text_->text();
}

void MessageBox::setText(const QString &text)
{
    ui_->text_->setText(text);
}

QString MessageBox::informativeText() const
{
    return ui_->informativeText_->text();
}

void MessageBox::setInformativeText(const QString &text)
{
    ui_->informativeText_->setText(text);
}

void MessageBox::setCheckBox(QCheckBox *checkBox)
{
    if (checkBox == checkBox_)
        return;
    if (checkBox_) {
        checkBox_->hide();
        ui_->cbLayout_->removeWidget(checkBox_);
        if (checkBox_->parentWidget() == this) {
            checkBox_->setParent(nullptr);
            checkBox_->deleteLater();
        }
    }
    checkBox_ = checkBox;
    if (checkBox_)
        ui_->cbLayout_->addWidget(checkBox_);
}

void MessageBox::setStandardButtons(StandardButtons buttons)
{
    ui_->btnBox_->setStandardButtons(QDialogButtonBox::StandardButtons(int(buttons)));
}

MessageBox::StandardButtons MessageBox::standardButtons() const
{
    return StandardButtons(int(ui_->btnBox_->standardButtons()));
}

QPushButton *MessageBox::addButton(const QString &text, QDialogButtonBox::ButtonRole role)
{
    return ui_->btnBox_->addButton(text, role);
}

QPushButton *MessageBox::addButton(StandardButton button)
{
    return ui_->btnBox_->addButton(QDialogButtonBox::StandardButton(button));
}

void MessageBox::addButton(QAbstractButton *button, QDialogButtonBox::ButtonRole role)
{
    ui_->btnBox_->addButton(button, role);
}

QPushButton *MessageBox::button(StandardButton which) const
{
    return ui_->btnBox_->button(QDialogButtonBox::StandardButton(which));
}

QDialogButtonBox::ButtonRole MessageBox::buttonRole(QAbstractButton *button) const
{
    return ui_->btnBox_->buttonRole(button);
}

QList<QAbstractButton *> MessageBox::buttons() const
{
    return ui_->btnBox_->buttons();
}

MessageBox::StandardButton MessageBox::standardButton(QAbstractButton *button) const
{
    return StandardButton(ui_->btnBox_->standardButton(button));
}

void MessageBox::setDefaultButton(QPushButton *button)
{
    if (!button || !ui_->btnBox_->buttons().contains(button))
        return;
    button->setDefault(true);
    button->setFocus();
}

void MessageBox::setDefaultButton(StandardButton which)
{
    setDefaultButton(button(which));
}

MessageBox::StandardButton MessageBox::information(QWidget *parent, const QString &title,
                                                   const QString &text, StandardButtons buttons,
                                                   StandardButton defaultButton)
{
    return run(Information, parent, title, text, buttons, defaultButton);
}

MessageBox::StandardButton MessageBox::warning(QWidget *parent, const QString &title,
                                               const QString &text, StandardButtons buttons,
                                               StandardButton defaultButton)
{
    return run(Warning, parent, title, text, buttons, defaultButton);
}

MessageBox::StandardButton MessageBox::critical(QWidget *parent, const QString &title,
                                                const QString &text, StandardButtons buttons,
                                                StandardButton defaultButton)
{
    return run(Critical, parent, title, text, buttons, defaultButton);
}

MessageBox::StandardButton MessageBox::question(QWidget *parent, const QString &title,
                                                const QString &text, StandardButtons buttons,
                                                StandardButton defaultButton)
{
    return run(Question, parent, title, text, buttons, defaultButton);
}

MessageBox::StandardButton MessageBox::success(QWidget *parent, const QString &title,
                                               const QString &text, StandardButtons buttons,
                                               StandardButton defaultButton)
{
    return run(Success, parent, title, text, buttons, defaultButton);
}

MessageBox::StandardButton MessageBox::run(Icon icon, QWidget *parent, const QString &title,
                                           const QString &text, StandardButtons buttons,
                                           StandardButton defaultButton)
{
    // On the heap and watched: the parent may be destroyed while the box runs, taking the
    // box with it.
    QPointer<MessageBox> box = new MessageBox(icon, title, text, buttons, parent,
                                              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box->closeOnAnyButton_ = true;
    box->setDefaultButton(defaultButton);
    const int result = box->exec();
    if (!box)
        return NoButton;
    const StandardButton clicked = box->standardButton(box->clickedButton());
    delete box;
    return result == -1 ? Cancel : clicked;
}

void MessageBox::onButtonClicked(QAbstractButton *button)
{
    clickedButton_ = button;
    // The button box itself closes the box only for accepting and rejecting roles; a
    // helper's caller waits for an answer whatever button it offered.
    const QDialogButtonBox::ButtonRole role = buttonRole(button);
    if (closeOnAnyButton_ && !closesTheBox(role))
        done(isPositiveRole(role) ? Accepted : Rejected);
}

void MessageBox::showEvent(QShowEvent *event)
{
    nameButtonsByRole();
    replaceButtonTexts();
    const auto allButtons = findChildren<QAbstractButton *>();
    for (QAbstractButton *button : allButtons)
        button->setCursor(Qt::PointingHandCursor);
    layOutTexts();
    QDialog::showEvent(event);
}

void MessageBox::nameButtonsByRole()
{
    const auto boxButtons = buttons();
    for (QAbstractButton *button : boxButtons) {
        button->setObjectName(isPositiveRole(buttonRole(button))
                                      ? QStringLiteral("positiveButton")
                                      : QStringLiteral("negativeButton"));
        button->style()->unpolish(button);
        button->style()->polish(button);
    }
}

void MessageBox::replaceButtonTexts()
{
    // Keyed by the toolkit's own texts; built at each show, so they follow the installed catalogue.
    const QHash<QString, QString> replacements {
            {QStringLiteral("OK"), tr("Ok")},        {QStringLiteral("Cancel"), tr("Cancel")},
            {QStringLiteral("&Yes"), tr("Yes(&Y)")}, {QStringLiteral("&No"), tr("No(&N)")},
            {QStringLiteral("Close"), tr("Close")},
    };
    const auto boxButtons = buttons();
    for (QAbstractButton *button : boxButtons) {
        const QString replacement = replacements.value(button->text());
        if (!replacement.isEmpty())
            button->setText(replacement);
    }
}

void MessageBox::layOutTexts()
{
    ui_->text_->setVisible(!ui_->text_->text().isEmpty());
    ui_->informativeText_->setVisible(!ui_->informativeText_->text().isEmpty());
    const int lines = lineCount(ui_->text_) + lineCount(ui_->informativeText_);
    if (lines < 2) {
        ui_->textLayout_->setContentsMargins(0, 26, 20, 25);
        ui_->textLayout_->setSpacing(0);
    } else {
        ui_->textLayout_->setContentsMargins(0, 22, 20, 20);
        ui_->textLayout_->setSpacing(10);
    }
    if (checkBox_) {
        const QFontMetrics metrics(checkBox_->font());
        checkBox_->setMinimumWidth(metrics.horizontalAdvance(checkBox_->text()) + 30);
        alignCheckBoxWithText();
    }
    adjustSize();
}

// The check box starts where the text does, which depends on the icon the style sheet draws.
void MessageBox::alignCheckBoxWithText()
{
    const int iconWidth = ui_->horizontalLayout->itemAt(0)->sizeHint().width();
    QMargins margins = ui_->cbLayout_->contentsMargins();
    margins.setLeft(ui_->horizontalLayout->contentsMargins().left() + iconWidth);
    ui_->cbLayout_->setContentsMargins(margins);
}

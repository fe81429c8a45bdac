#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPointer>
#include <memory>

class QPushButton;

namespace Ui {
class MessageBox;
}

// The program's own message box: every question, warning and notice goes through it. Its
// look comes from the style sheet (the icon label's "icon" property, the buttons' object
// names "positiveButton" and "negativeButton"), and the toolkit's standard button texts are
// replaced by the program's wording when the box is shown.
class MessageBox : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(MessageBox)

public:
    enum StandardButton : uint {
        NoButton = QDialogButtonBox::NoButton,
        Ok = QDialogButtonBox::Ok,
        Save = QDialogButtonBox::Save,
        SaveAll = QDialogButtonBox::SaveAll,
        Open = QDialogButtonBox::Open,
        Yes = QDialogButtonBox::Yes,
        YesToAll = QDialogButtonBox::YesToAll,
        No = QDialogButtonBox::No,
        NoToAll = QDialogButtonBox::NoToAll,
        Abort = QDialogButtonBox::Abort,
        Retry = QDialogButtonBox::Retry,
        Ignore = QDialogButtonBox::Ignore,
        Close = QDialogButtonBox::Close,
        Cancel = QDialogButtonBox::Cancel,
        Discard = QDialogButtonBox::Discard,
        Help = QDialogButtonBox::Help,
        Apply = QDialogButtonBox::Apply,
        Reset = QDialogButtonBox::Reset,
        RestoreDefaults = QDialogButtonBox::RestoreDefaults,
    };
    Q_DECLARE_FLAGS(StandardButtons, StandardButton)
    Q_FLAG(StandardButtons)

    // Any int converts: values beyond the list show no icon.
    enum Icon : int {
        NoIcon = 0,
        Information = 1,
        Warning = 2,
        Critical = 3,
        Question = 4,
        Success = 5
    };
    Q_ENUM(Icon)

    explicit MessageBox(QWidget *parent = nullptr);
    MessageBox(Icon icon, const QString &title, const QString &text,
               StandardButtons buttons = NoButton, QWidget *parent = nullptr,
               Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    ~MessageBox() override;

    // The value of the icon label's "icon" property for an icon ("NoIcon" for unknown ones).
    static QString iconName(Icon icon);

    Icon icon() const { return icon_; }
    void setIcon(Icon icon);
    QString text() const;
    void setText(const QString &text);
    QString informativeText() const;
    void setInformativeText(const QString &text);

    // The box takes the check box over; a previous one it owns is disposed of.
    void setCheckBox(QCheckBox *checkBox);
    QCheckBox *checkBox() const { return checkBox_; }

    void setStandardButtons(StandardButtons buttons);
    StandardButtons standardButtons() const;
    QPushButton *addButton(const QString &text, QDialogButtonBox::ButtonRole role);
    QPushButton *addButton(StandardButton button);
    void addButton(QAbstractButton *button, QDialogButtonBox::ButtonRole role);
    QPushButton *button(StandardButton which) const;
    QDialogButtonBox::ButtonRole buttonRole(QAbstractButton *button) const;
    QList<QAbstractButton *> buttons() const;
    StandardButton standardButton(QAbstractButton *button) const;
    // Only a button of this box becomes the default button and takes the focus.
    void setDefaultButton(QPushButton *button);
    void setDefaultButton(StandardButton which);
    // The last button clicked; null until one is.
    QAbstractButton *clickedButton() const { return clickedButton_; }

    // Each runs a box with its icon modally and returns the clicked standard button:
    // NoButton when the box was closed without a button, Cancel when it could not run.
    static StandardButton information(QWidget *parent, const QString &title, const QString &text,
                                      StandardButtons buttons = Ok,
                                      StandardButton defaultButton = NoButton);
    static StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                  StandardButtons buttons = Ok,
                                  StandardButton defaultButton = NoButton);
    static StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                   StandardButtons buttons = Ok,
                                   StandardButton defaultButton = NoButton);
    static StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                   StandardButtons buttons = StandardButtons(Yes | No),
                                   StandardButton defaultButton = NoButton);
    static StandardButton success(QWidget *parent, const QString &title, const QString &text,
                                  StandardButtons buttons = Ok,
                                  StandardButton defaultButton = NoButton);

protected:
    void showEvent(QShowEvent *event) override;

    const std::unique_ptr<Ui::MessageBox> ui_;

private:
    static StandardButton run(Icon icon, QWidget *parent, const QString &title, const QString &text,
                              StandardButtons buttons, StandardButton defaultButton);
    void onButtonClicked(QAbstractButton *button);
    void nameButtonsByRole();
    void replaceButtonTexts();
    void layOutTexts();
    void alignCheckBoxWithText();

    Icon icon_ = NoIcon;
    QPointer<QCheckBox> checkBox_;
    QPointer<QAbstractButton> clickedButton_;
    // Boxes of the static helpers close on every button, whatever its role.
    bool closeOnAnyButton_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(MessageBox::StandardButtons)

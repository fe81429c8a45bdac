#pragma once

#include "widgets/ToolButton.h"

// A tool button that opens a menu. It draws a small chevron beside its caption instead of
// the style's menu indicator, which would not fit under the picture.
class ToolDropdownButton : public ToolButton
{
    Q_OBJECT
    Q_DISABLE_COPY(ToolDropdownButton)

public:
    explicit ToolDropdownButton(QWidget *parent = nullptr);
    ToolDropdownButton(const QString &text, QWidget *parent = nullptr);
    ToolDropdownButton(const QString &text, const QString &objectName, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

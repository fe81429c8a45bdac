#pragma once

#include <QPushButton>

class QLabel;

// A tool-bar button: the picture is a child label named "image_" that the style sheet
// draws by the button's object name, the caption sits below it, and a press is announced
// before the button reacts, so a drop-down button can select its tool before its menu opens.
class ToolButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(ToolButton)

public:
    explicit ToolButton(QWidget *parent = nullptr);
    ToolButton(const QString &text, QWidget *parent = nullptr);
    ToolButton(const QString &text, const QString &objectName, QWidget *parent = nullptr);

    QLabel *image() const { return image_; }
    // A compact button shows its picture only; its caption stays its accessible name and
    // comes back when the button leaves compact mode.
    void setCompact(bool compact);
    bool isCompact() const { return compact_; }

signals:
    void beforePress();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void build();
    void placeImage();

    QLabel *image_ = nullptr;
    QString caption_;
    bool compact_ = false;
};

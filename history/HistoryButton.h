#pragma once

#include "history/HistorySelectMode.h"
#include "widgets/DragGesture.h"

#include <QColor>
#include <QPushButton>

class QLabel;

// The thumbnail of one capture. Its own check state is the highlight of the shown capture;
// the marks on it are separate widgets: the close button (while the mouse is over the
// thumbnail), the select button (multi-select mode only), the saved mark and the mark of a
// capture whose file can no longer be read. The style sheet draws every state from the
// dynamic properties "saved", "selected" and "unreadable".
class HistoryButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(HistoryButton)
    // Fills the thumbnail's letterbox; set from the style sheet.
    Q_PROPERTY(QColor canvasColor READ canvasColor WRITE setCanvasColor)

public:
    explicit HistoryButton(QWidget *parent = nullptr);

    QPushButton *closeButton() const { return closeButton_; }
    QPushButton *selectButton() const { return selectButton_; }
    QLabel *saveIcon() const { return saveIcon_; }
    bool isSelectChecked() const;

    QColor canvasColor() const { return canvasColor_; }
    void setCanvasColor(const QColor &color);
    void setUnreadable(bool unreadable);
    bool isUnreadable() const;

signals:
    void clickCloseButton();
    void changeSelectChecked(bool checked);
    // The thumbnail was pulled further than a click moves: it is a drag, never a click.
    void dragStarted();

public slots:
    void onImageSaved(bool saved);
    void onImageSelected(bool checked);
    void onChangeSelectionMode(HistorySelectMode mode);
    void onClickCloseButton();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setStateProperty(const char *name, bool value);
    void placeMarks();

    QPushButton *const closeButton_;
    QPushButton *const selectButton_;
    QLabel *const saveIcon_;
    QLabel *const unreadableIcon_;
    HistorySelectMode mode_ = NormalSelectMode;
    QColor canvasColor_;
    // A left press that moves far enough drags the capture out.
    DragGesture drag_;
};

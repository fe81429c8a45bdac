#pragma once

#include <QDialog>
#include <QList>
#include <QSize>
#include <memory>

namespace Ui {
class SizeInputDialog;
}

// Asks for the width and height of a fixed-size capture preset, refusing a size that is
// already among the presets it was given.
class SizeInputDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(SizeInputDialog)

public:
    explicit SizeInputDialog(QWidget *parent = nullptr);
    ~SizeInputDialog() override;

    QSize size() const;
    void setSize(const QSize &size);
    void setSize(int width, int height);
    // Sizes the entered one must differ from; none by default.
    void setExistingSizes(const QList<QSize> &sizes);

public slots:
    void onOK();
    void onCancel();

private:
    const std::unique_ptr<Ui::SizeInputDialog> ui_;
    QList<QSize> existing_;
};

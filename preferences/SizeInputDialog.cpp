#include "preferences/SizeInputDialog.h"

#include "ui_SizeInputDialog.h"
#include "widgets/MessageBox.h"

SizeInputDialog::SizeInputDialog(QWidget *parent) : QDialog(parent), ui_(new Ui::SizeInputDialog)
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(ui_->ok_, &QPushButton::clicked, this, &SizeInputDialog::onOK);
    connect(ui_->cancel_, &QPushButton::clicked, this, &SizeInputDialog::onCancel);
}

SizeInputDialog::~SizeInputDialog() = default;

QSize SizeInputDialog::size() const
{
    return QSize(ui_->width_->value(), ui_->height_->value());
}

void SizeInputDialog::setSize(const QSize &size)
{
    setSize(size.width(), size.height());
}

void SizeInputDialog::setSize(int width, int height)
{
    ui_->width_->setValue(width);
    ui_->height_->setValue(height);
}

void SizeInputDialog::setExistingSizes(const QList<QSize> &sizes)
{
    existing_ = sizes;
}

void SizeInputDialog::onOK()
{
    if (existing_.contains(size())) {
        MessageBox::warning(this, tr("Kestrel"), tr("This size has already been added."),
                            MessageBox::Ok);
        return;
    }
    accept();
}

void SizeInputDialog::onCancel()
{
    reject();
}

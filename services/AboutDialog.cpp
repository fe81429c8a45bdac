#include "services/AboutDialog.h"

#include "platform/WindowUtilities.h"
#include "ui_AboutDialog.h"
#include "widgets/ClickableLabel.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QPixmap>
#include <QRegularExpression>
#include <QUrl>

const QString AboutDialog::kPictureFile = QStringLiteral("about_Kestrel_3_kr.bmp");
const QString AboutDialog::kLicenseFile = QStringLiteral("License.txt");

namespace {

// The same files, built into the program.
const QString kBuiltInPicture = QStringLiteral(":/res/about_Kestrel_3_kr.bmp");
const QString kBuiltInLicense = QStringLiteral(":/res/License.txt");

const QPoint kVersionPosition(368, 15);
const QPoint kLinkPosition(38, 204);
// Room round the picture for the tabs and the frame.
const QSize kFrameExtra(30, 40);

QFont labelFont(bool bold)
{
    QFont font(QStringLiteral("dotum"));
    font.setPointSize(8);
    if (bold)
        font.setWeight(QFont::Bold);
    return font;
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent), ui_(new Ui::AboutDialog)
{
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QSize pictureSize = showPicture();
    showLicense();

    version_ = new QLabel(versionText(), ui_->labelAbout);
    version_->setObjectName(QStringLiteral("labelVersion"));
    version_->setFont(labelFont(true));
    setTextColor(version_, QColor(55, 69, 90));
    version_->adjustSize();
    version_->move(kVersionPosition);

    link_ = new ClickableLabel(tr("www.norvane.example"), ui_->labelAbout);
    link_->setObjectName(QStringLiteral("labelUrl"));
    link_->setFont(labelFont(false));
    setTextColor(link_, QColor(253, 98, 50));
    link_->adjustSize();
    link_->move(kLinkPosition);
    connect(link_, &ClickableLabel::clicked, this, &AboutDialog::onUrlClicked);
    connect(link_, &ClickableLabel::hover, this, &AboutDialog::onUrlHover);
    connect(link_, &ClickableLabel::leaved, this, &AboutDialog::onUrlLeaved);

    // The style sheet may make the tabs taller than the room the picture leaves for them.
    ensurePolished();
    setFixedSize((pictureSize + kFrameExtra).expandedTo(minimumSizeHint()));
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::versionText()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(KESTREL_VERSION) : version;
}

QSize AboutDialog::showPicture()
{
    QPixmap picture(AppDirFile(kPictureFile));
    if (picture.isNull())
        picture.load(kBuiltInPicture);
    ui_->labelAbout->setPixmap(picture);
    // Exactly the picture's size, so the version and the link sit where it leaves room.
    ui_->labelAbout->setFixedSize(picture.size());
    ui_->verticalLayout->setAlignment(ui_->labelAbout, Qt::AlignCenter);
    return picture.size();
}

void AboutDialog::showLicense()
{
    QString text = readText(AppDirFile(kLicenseFile));
    if (text.trimmed().isEmpty())
        text = readText(kBuiltInLicense);
    // The file is wrapped for a terminal; the tab wraps paragraphs to its own width.
    static const QRegularExpression lineBreakInParagraph(QStringLiteral("(?<=\\S)\\r?\\n(?=\\S)"));
    text.replace(lineBreakInParagraph, QStringLiteral(" "));
    ui_->tbLicenseInfo->setPlainText(text);
}

void AboutDialog::onUrlClicked()
{
    QDesktopServices::openUrl(QUrl(tr("https://norvane.example/quiver")));
}

void AboutDialog::onUrlHover()
{
    link_->setCursor(Qt::PointingHandCursor);
}

void AboutDialog::onUrlLeaved()
{
    link_->setCursor(Qt::ArrowCursor);
}

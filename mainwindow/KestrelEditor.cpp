#include "mainwindow/KestrelEditor.h"

#include "platform/Trace.h"
#include "editor/Editor.h"
#include "platform/CommandLineSplitter.h"
#include "platform/WindowUtilities.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>

KestrelEditor::KestrelEditor(QWidget *parent) : QMainWindow(parent), image_(new QLabel)
{
    setObjectName(QStringLiteral("KestrelEditorClass"));
    setWindowTitle(QStringLiteral("Kestrel"));
    auto *scrollArea = new QScrollArea;
    scrollArea->setObjectName(QStringLiteral("graphicsView_"));
    scrollArea->setAlignment(Qt::AlignCenter);
    scrollArea->setWidget(image_);
    setCentralWidget(scrollArea);
    connect(this, &KestrelEditor::commandArrived, this, &KestrelEditor::treatCommand);
}

KestrelEditor::~KestrelEditor() = default;

void KestrelEditor::treatCommand(const QString &cmdline)
{
    Trace(2, QStringLiteral("treatCommand"), "%ls", qUtf16Printable(cmdline));
    const QStringList tokens = SplitCommandLine(cmdline);
    for (int i = 0; i < tokens.size(); ++i) {
        const QString word = tokens.at(i).toLower();
        if (word == QLatin1String("/kill")) {
            QCoreApplication::quit();
            return;
        }
        if (word == QLatin1String("/path") && i + 1 < tokens.size())
            ShowCapture(tokens.at(i + 1));
    }
}

void KestrelEditor::ShowCapture(const QString &path)
{
    const QImage image = Editor::loadCapture(path);
    if (image.isNull())
        return;
    image_->setPixmap(QPixmap::fromImage(image));
    image_->adjustSize();
    const QSize available = screen()->availableGeometry().size() * 9 / 10;
    resize(image.size().boundedTo(available) + QSize(8, 8));
    show();
    BringToFront(this);
}

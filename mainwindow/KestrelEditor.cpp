#include "mainwindow/KestrelEditor.h"

#include "platform/Trace.h"
#include "editor/Editor.h"
#include "platform/CommandLineSplitter.h"
#include "platform/RegularFile.h"
#include "platform/WindowUtilities.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
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
    // Arguments are taken whatever they look like: "/path /kill" names a file "/kill".
    static const QHash<QString, int> argumentCounts {
            {"/path", 1}, {"/point", 2}, {"/preference", 1}, {"/updateprefvalue", 2}};
    const QStringList tokens = SplitCommandLine(cmdline);
    bool kill = false;
    QString path;
    for (int i = 0; i < tokens.size(); ++i) {
        const QString word = tokens.at(i).toLower();
        const int count = argumentCounts.value(word);
        if (i + count >= tokens.size())
            return; // a command without its arguments voids the whole line
        kill = kill || word == QLatin1String("/kill");
        if (word == QLatin1String("/path"))
            path = tokens.at(i + 1);
        i += count;
    }
    if (kill)
        QCoreApplication::quit();
    else if (IsRegularFile(path))
        ShowCapture(path);
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

#pragma once

#include <QMainWindow>
#include <QString>

class QLabel;

// The editor's main window. For now it only shows the capture named by "/path" and
// understands "/kill"; the editing window replaces it.
class KestrelEditor : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(KestrelEditor)

public:
    explicit KestrelEditor(QWidget *parent = nullptr);
    ~KestrelEditor() override;

signals:
    // Every command line, the program's own and each forwarded one, arrives here.
    void commandArrived(const QString &cmdline);

public slots:
    void treatCommand(const QString &cmdline);

private:
    void ShowCapture(const QString &path);

    QLabel *image_;
};

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalSocket;

// The capture program's window as the editor sees it: a local server of the window class's
// name that takes one posted-message record per connection.
class CaptureWindow : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CaptureWindow)

public:
    // A connection that has not delivered its record by then is dropped.
    static constexpr int kRecordTimeoutMs = 1000;

    explicit CaptureWindow(QObject *parent = nullptr);
    ~CaptureWindow() override;

    // False, with a message for the user in error, when another capture window is
    // already there or the name cannot be taken.
    bool listen(QString *error);

signals:
    void messagePosted(uint message, int wParam, int lParam);

private:
    void onNewConnection();
    void readRecord(QLocalSocket *socket);

    QLocalServer server_;
    std::unique_ptr<QLockFile> lock_;
};

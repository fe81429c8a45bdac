#pragma once

#include <QString>
#include <QStringList>

// Records the calls the fake service libraries receive, for as long as the object lives:
// points KESTREL_SERVICE_LOG at a fresh file and reads it back. The complete fake
// statistics library sits beside the test executables, so code under test that loads
// "QXSTS.dll" from the program's folder reaches it.
class ServiceCallLog
{
public:
    ServiceCallLog();
    ~ServiceCallLog();
    ServiceCallLog(const ServiceCallLog &) = delete;
    ServiceCallLog &operator=(const ServiceCallLog &) = delete;

    QString filePath() const { return path_; }
    // Every call in order, as "Name\targument\targument...".
    QStringList calls() const;
    // The arguments of each call of the given name, in order.
    QList<QStringList> callsTo(const QString &function) const;
    // The codes sent with QXSTS_ExecuteAction, in order.
    QStringList actionCodes() const;
    void clear();

    // A fake library built for the tests: "QXSTS.dll", "QXSTS_incomplete.dll", "QXAd.dll",
    // "QXAd_incomplete.dll", "DADAD.dll", "DADAD_incomplete.dll".
    static QString fixture(const QString &fileName);
    // KESTREL_SERVICE_INIT_RESULT: what the fakes' initialise calls return (default 1).
    static void setInitResult(int result);
    static void resetInitResult();

private:
    QString path_;
};

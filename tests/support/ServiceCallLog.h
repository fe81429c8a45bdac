#pragma once

#include <QCoreApplication>
#include <QStringList>

// Records the calls the fake service libraries receive while the object lives (child
// processes started meanwhile record too). The complete fake statistics library sits beside
// the test executables, so code that loads "QXSTS.dll" from the program's folder reaches it.
class ServiceCallLog
{
public:
    ServiceCallLog();
    ~ServiceCallLog();
    ServiceCallLog(const ServiceCallLog &) = delete;
    ServiceCallLog &operator=(const ServiceCallLog &) = delete;

    // Every call in order, as "Name\targument\targument...".
    QStringList calls() const;
    QStringList callNames() const;
    // The arguments of each call of the given name, in order.
    QList<QStringList> callsTo(const QString &function) const;
    // The codes sent with QXSTS_ExecuteAction, in order.
    QStringList actionCodes() const;
    void clear() const;

    // A fake library: "QXSTS.dll", "QXAd.dll", "DADAD.dll", each also as "*_incomplete.dll".
    static QString fixture(const QString &fileName)
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/fixtures/") + fileName;
    }
    // What the fakes' initialise calls return from now on (1 unless set).
    static void setInitResult(int result)
    {
        qputenv("KESTREL_SERVICE_INIT_RESULT", QByteArray::number(result));
    }
    static void resetInitResult() { qunsetenv("KESTREL_SERVICE_INIT_RESULT"); }

private:
    QString path_;
};

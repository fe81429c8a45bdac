#include "support/ServiceCallLog.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>

namespace {
QAtomicInt logCounter;
}

ServiceCallLog::ServiceCallLog()
    : path_(QStringLiteral("%0/service-calls-%1-%2.log")
                    .arg(QDir::tempPath())
                    .arg(QCoreApplication::applicationPid())
                    .arg(logCounter.fetchAndAddRelaxed(1)))
{
    clear();
    qputenv("KESTREL_SERVICE_LOG", QFile::encodeName(path_));
}

ServiceCallLog::~ServiceCallLog()
{
    qunsetenv("KESTREL_SERVICE_LOG");
    clear();
}

QStringList ServiceCallLog::calls() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList ServiceCallLog::callNames() const
{
    QStringList names = calls();
    for (QString &call : names)
        call = call.section(QLatin1Char('\t'), 0, 0);
    return names;
}

QList<QStringList> ServiceCallLog::callsTo(const QString &function) const
{
    QList<QStringList> result;
    const QStringList all = calls();
    for (const QString &call : all) {
        QStringList fields = call.split(QLatin1Char('\t'));
        if (fields.takeFirst() == function)
            result << fields;
    }
    return result;
}

QStringList ServiceCallLog::actionCodes() const
{
    QStringList codes;
    for (const QStringList &arguments : callsTo(QStringLiteral("QXSTS_ExecuteAction")))
        codes << arguments.value(0);
    return codes;
}

void ServiceCallLog::clear() const
{
    QFile::remove(path_);
}

#include "services/StatisticsClient.h"

#include "platform/WindowUtilities.h"
#include "services/ServiceExports.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex clientMutex;
StatisticsClient *client = nullptr;
} // namespace

StatisticsClient &StatisticsClient::Instance()
{
    if (!client)
        client = new StatisticsClient;
    return *client;
}

bool StatisticsClient::Load(const QString &libraryPath)
{
    if (initialize_)
        return true;
    library_.setFileName(QFileInfo(libraryPath).isRelative() ? AppDirFile(libraryPath)
                                                             : libraryPath);
    if (!library_.load())
        return false;
    // The extended initializer is optional; the other three are not.
    ResolveServiceExport(library_, "QXSTS_InitializeEx", initializeEx_);
    if (ResolveServiceExport(library_, "QXSTS_Initialize", initialize_)
        && ResolveServiceExport(library_, "QXSTS_Finalize", finalize_)
        && ResolveServiceExport(library_, "QXSTS_ExecuteAction", executeAction_))
        return true;
    Unload();
    return false;
}

void StatisticsClient::Unload()
{
    if (library_.isLoaded())
        library_.unload();
    initialize_ = nullptr;
    initializeEx_ = nullptr;
    finalize_ = nullptr;
    executeAction_ = nullptr;
    initialized_ = false;
}

bool StatisticsClient::Initialize(const QString &libraryPath, const QString &productName)
{
    QMutexLocker locker(&clientMutex);
    StatisticsClient &self = Instance();
    if (!self.Load(libraryPath))
        return false;
    if (self.initialize_(productName.toUtf8().constData()) == 0)
        return false;
    self.initialized_ = true;
    return true;
}

bool StatisticsClient::ExecuteAction(const char *code)
{
    QMutexLocker locker(&clientMutex);
    if (!client || !client->initialized_ || !client->executeAction_)
        return false;
    return client->executeAction_(code) != 0;
}

void StatisticsClient::Finalize()
{
    QMutexLocker locker(&clientMutex);
    if (!client)
        return;
    if (client->finalize_)
        client->finalize_();
    client->Unload();
    delete client;
    client = nullptr;
}

bool StatisticsClient::IsInitialized()
{
    QMutexLocker locker(&clientMutex);
    return client && client->initialized_;
}

#pragma once

#include "services/ServiceAbi.h"

#include <QLibrary>
#include <QString>

// Usage statistics through the maker's library ("QXSTS.dll"). One client per process,
// created on first use and deleted by Finalize(); every call is serialised, so any thread
// may send. Without the library (or before a successful Initialize) events are dropped.
class StatisticsClient
{
    Q_DISABLE_COPY(StatisticsClient)

public:
    static constexpr const char *kLibraryName = "QXSTS.dll";

    // A bare file name is looked up beside the program.
    static bool Initialize(const QString &libraryPath, const QString &productName);
    static bool ExecuteAction(const char *code);
    static void Finalize();
    static bool IsInitialized();

private:
    StatisticsClient() = default;
    static StatisticsClient &Instance();
    bool Load(const QString &libraryPath);
    void Unload();

    QLibrary library_;
    QxstsInitializeFn initialize_ = nullptr;
    QxstsInitializeExFn initializeEx_ = nullptr;
    QxstsFinalizeFn finalize_ = nullptr;
    QxstsExecuteActionFn executeAction_ = nullptr;
    bool initialized_ = false;
};

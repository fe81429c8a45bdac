#pragma once

#include "services/ServiceAbi.h"

#include <QLibrary>
#include <QString>

// Client of the maker's crash reporter ("DADAD.dll"). Loaded on request; when the library
// or one of its four exports is missing there is simply no crash reporting.
class ZCRS
{
    Q_DISABLE_COPY(ZCRS)

public:
    // Called from the crash callback, for instance to count the crash in the statistics.
    using CrashHook = void (*)();

    ZCRS();
    ~ZCRS();

    // Loads the library, hands it the product's parameters and returns whether it is
    // loaded. A library that lacks an export is unloaded again and never called.
    bool Initialize(const QString &libraryPath, const QString &productName,
                    const QString &versionTag, const QString &languagePath);
    bool IsLoaded() const;
    void ThreadInitialize();
    void ThreadFinalize();
    void Unload();

    static void SetCrashHook(CrashHook hook);

private:
    static int KESTREL_SERVICE_CALL OnCrash(int32_t code);
    void ClearEntryPoints();

    QLibrary library_;
    DadadProcessInitializeFn processInitialize_ = nullptr;
    DadadProcessFinalizeFn processFinalize_ = nullptr;
    DadadThreadInitializeFn threadInitialize_ = nullptr;
    DadadThreadFinalizeFn threadFinalize_ = nullptr;
};

#include "services/ZCRS.h"

#include "services/ServiceExports.h"

#include <atomic>

namespace {
std::atomic<ZCRS::CrashHook> crashHook {nullptr};
} // namespace

ZCRS::ZCRS() = default;

ZCRS::~ZCRS()
{
    Unload();
}

bool ZCRS::Initialize(const QString &libraryPath, const QString &productName,
                      const QString &versionTag, const QString &languagePath)
{
    Unload();
    library_.setFileName(libraryPath);
    if (!library_.load())
        return false;
    // A half library would later be called through a missing entry point.
    if (!ResolveServiceExport(library_, "DADADProcessInitializeW", processInitialize_)
        || !ResolveServiceExport(library_, "DADADProcessFinalizeW", processFinalize_)
        || !ResolveServiceExport(library_, "DADADThreadInitializeW", threadInitialize_)
        || !ResolveServiceExport(library_, "DADADThreadFinalizeW", threadFinalize_)) {
        Unload();
        return false;
    }
    const DadadProcessParameters parameters {ServiceWideString(productName),
                                             ServiceWideString(versionTag),
                                             0,
                                             ServiceWideString(languagePath),
                                             &ZCRS::OnCrash,
                                             0};
    processInitialize_(&parameters);
    return true;
}

bool ZCRS::IsLoaded() const
{
    // Not QLibrary::isLoaded(): that reports the module, which another loader may hold.
    return processInitialize_ != nullptr;
}

void ZCRS::ThreadInitialize()
{
    if (IsLoaded())
        threadInitialize_();
}

void ZCRS::ThreadFinalize()
{
    if (IsLoaded())
        threadFinalize_();
}

void ZCRS::Unload()
{
    if (library_.isLoaded())
        library_.unload();
    ClearEntryPoints();
}

void ZCRS::SetCrashHook(CrashHook hook)
{
    crashHook.store(hook);
}

int KESTREL_SERVICE_CALL ZCRS::OnCrash(int32_t code)
{
    Q_UNUSED(code);
    if (const CrashHook hook = crashHook.load())
        hook();
    return 1;
}

void ZCRS::ClearEntryPoints()
{
    processInitialize_ = nullptr;
    processFinalize_ = nullptr;
    threadInitialize_ = nullptr;
    threadFinalize_ = nullptr;
}

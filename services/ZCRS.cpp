#include "services/ZCRS.h"

#include <atomic>

namespace {
std::atomic<ZCRS::CrashHook> crashHook {nullptr};

const ServiceWideChar *wide(const QString &text)
{
    return reinterpret_cast<const ServiceWideChar *>(text.utf16());
}
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
    processInitialize_ =
            reinterpret_cast<DadadProcessInitializeFn>(library_.resolve("DADADProcessInitializeW"));
    processFinalize_ =
            reinterpret_cast<DadadProcessFinalizeFn>(library_.resolve("DADADProcessFinalizeW"));
    threadInitialize_ =
            reinterpret_cast<DadadThreadInitializeFn>(library_.resolve("DADADThreadInitializeW"));
    threadFinalize_ =
            reinterpret_cast<DadadThreadFinalizeFn>(library_.resolve("DADADThreadFinalizeW"));
    // A half library would later be called through a missing entry point.
    if (!processInitialize_ || !processFinalize_ || !threadInitialize_ || !threadFinalize_) {
        Unload();
        return false;
    }
    const DadadProcessParameters parameters {wide(productName),  wide(versionTag), 0,
                                             wide(languagePath), &ZCRS::OnCrash,   0};
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

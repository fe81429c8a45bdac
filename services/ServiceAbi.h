#pragma once

// The calling contract of the maker's service libraries, shared with nothing but them.
// Strings are zero-terminated; "wide" strings are UTF-16 code units as on Windows.
// Plain C on purpose: the libraries are built without Qt.

#include <stdint.h>

#if defined(_WIN32)
#define KESTREL_SERVICE_CALL __stdcall
#else
#define KESTREL_SERVICE_CALL
#endif

typedef char16_t ServiceWideChar;

// Usage statistics ("QXSTS.dll").
typedef int(KESTREL_SERVICE_CALL *QxstsInitializeFn)(const char *productName);
typedef int(KESTREL_SERVICE_CALL *QxstsInitializeExFn)(const char *productName, int flags);
typedef int(KESTREL_SERVICE_CALL *QxstsFinalizeFn)(void);
typedef int(KESTREL_SERVICE_CALL *QxstsExecuteActionFn)(const char *code);

// Banner advertising ("QXAd.dll").
typedef int(KESTREL_SERVICE_CALL *QxBannerInitializeFn)(void);
typedef int(KESTREL_SERVICE_CALL *QxBannerCreateAreaExFn)(void *window, int width, int height,
                                                          const ServiceWideChar *page1,
                                                          const ServiceWideChar *page2,
                                                          const ServiceWideChar *page3,
                                                          const ServiceWideChar *fallbackImage,
                                                          const ServiceWideChar *clickThrough);
typedef int(KESTREL_SERVICE_CALL *QxBannerDeleteAreaFn)(void *window);
typedef int(KESTREL_SERVICE_CALL *QxBannerFinalizeFn)(void);
typedef int(KESTREL_SERVICE_CALL *QxBannerSetCookieFn)(const ServiceWideChar *domain,
                                                       const ServiceWideChar *cookie);
typedef int(KESTREL_SERVICE_CALL *QxBannerAddCookieFn)(const ServiceWideChar *domain);
typedef int(KESTREL_SERVICE_CALL *QxBannerApplyCookiesFn)(void);

// Crash reporting ("DADAD.dll"). The library copies the strings during the call.
typedef int(KESTREL_SERVICE_CALL *DadadCrashCallback)(int32_t code);

struct DadadProcessParameters
{
    const ServiceWideChar *productName;
    const ServiceWideChar *versionTag;
    intptr_t reserved1;
    const ServiceWideChar *languagePath;
    DadadCrashCallback crashCallback;
    intptr_t reserved2;
};

typedef int(KESTREL_SERVICE_CALL *DadadProcessInitializeFn)(const struct DadadProcessParameters *);
typedef int(KESTREL_SERVICE_CALL *DadadProcessFinalizeFn)(void);
typedef int(KESTREL_SERVICE_CALL *DadadThreadInitializeFn)(void);
typedef int(KESTREL_SERVICE_CALL *DadadThreadFinalizeFn)(void);

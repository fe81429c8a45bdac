#pragma once

#include "services/ServiceAbi.h"

#include <QLibrary>
#include <QString>

// A string in the form the service libraries take: zero-terminated UTF-16, valid while
// `text` lives unchanged.
inline const ServiceWideChar *ServiceWideString(const QString &text)
{
    return reinterpret_cast<const ServiceWideChar *>(text.utf16());
}

// Looks up the export `name` of `library` into `entry`; returns whether it exists.
template<typename Function>
bool ResolveServiceExport(QLibrary &library, const char *name, Function &entry)
{
    entry = reinterpret_cast<Function>(library.resolve(name));
    return entry != nullptr;
}

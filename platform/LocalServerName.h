#pragma once

#include <QString>

// The address under which a local server of this user listens and is reached. Windows pipe
// names are already per session; on Unix a bare name would become a socket file in the
// shared temporary folder, so it goes into the user's private runtime folder instead.
// A name that already holds a path is returned unchanged.
QString LocalServerName(const QString &name);

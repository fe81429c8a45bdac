#pragma once

#include <QString>
#include <functional>

class QIODevice;

// Runs `write` on a temporary file beside `path` and renames it over `path` only when
// `write` succeeded, so a failed save leaves an existing file whole. Returns whether the
// file now holds what `write` wrote.
bool WriteFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);

#pragma once

#include <QString>

// The function-trace log: off unless switched on per user in the registry
// ("HKEY_CURRENT_USER\Software\Norvane\<application name>\FuncTrace", values "trace" and
// "output"). Level 1 is for errors, level 2 for the program's flow.

// Reads the switch once; called by the application object at start-up.
void InitTrace();

// Writes one entry when level is at or below the configured trace level. The format
// follows QString::asprintf ("%d" takes an int, "%ls" a zero-terminated UTF-16 string).
void Trace(int level, const QString &function, const char *format, ...);
void Trace(const QString &function, int level, const char *format, ...);
void Trace(int level, const char *function, const char *format, ...);

// Writes one entry under the calling function's own name ("operator()" in a lambda), so the
// name cannot drift from the code. Entries whose name others read and rely on keep spelling
// it out through Trace().
#define TRACE(level, ...) Trace((level), __func__, __VA_ARGS__)

// The log file: "<temporary folder>/<application name>/<application name>.log".
QString TraceLogPath();

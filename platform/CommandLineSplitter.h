#pragma once

#include <QString>
#include <QStringList>

// Splits a command line into its tokens the way Windows' CommandLineToArgvW does, on every
// platform, so the capture program's command lines mean the same everywhere:
// - the first token is the program path: up to the next double quote when the line starts
//   with one (no escapes), otherwise up to the first character from U+0001 to U+0020;
// - after it, spaces and tabs outside quotes separate tokens;
// - backslashes are literal unless a run of them ends at a double quote: 2n give n and the
//   quote opens or closes quoting, 2n+1 give n and a literal quote;
// - in a run of unescaped quotes every third quote counting from an open quoted part is a
//   literal quote ("a""b c" gives a"b and c); an unterminated quote ends with the line.
// The line ends at its first NUL. An empty line gives one token, the program's own path.
QStringList SplitCommandLine(const QString &line);

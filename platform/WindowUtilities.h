#pragma once

#include <QString>

class QWidget;

// Groups the taskbar button with the capture program's (no-op off Windows).
void SetAppUserModelId(const QString &id);

// The path of a file beside the program's executable; the bare name when the application
// object does not exist yet.
QString AppDirFile(const QString &name);

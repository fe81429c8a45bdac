#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Brings a window to the front and gives it the keyboard focus; nothing for a null widget.
void BringToFront(QWidget *w);

// Moves a window that sticks out of the screens back onto one; see FitFrameToScreens for
// the rules. A hint of (0, 0) means the screen that shows the window.
void FitWindowToScreen(QWidget *w, QPoint hint);

// Lets the desktop draw its shadow round a frameless pop-up window (Windows only).
void EnableDropShadow(QWidget *w);

// Groups the taskbar button with the capture program's (no-op off Windows).
void SetAppUserModelId(const QString &id);

// The path of a file beside the program's executable; the bare name when the application
// object does not exist yet.
QString AppDirFile(const QString &name);

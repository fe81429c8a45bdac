#pragma once

#include <QByteArray>
#include <QString>

// The window messages the editor posts to the capture program's main window, with the
// wParam and lParam each one carries.
namespace CaptureMessage {
// clang-format off
enum : uint {
    PreferencesOpening    = 2149, // 0, 0
    PreferencesFinished   = 2150, // 1 accepted or 0 rejected, 1 if the dialog was modal
    EditorExiting         = 2151, // 0, 0
    NewCaptureRequested   = 2152, // 0, 0
    ResultWindowShown     = 2153, // 0, 0: brought up by "/show", or before the exit question
    OnlineUpdateRequested = 2154, // 0, 0
    HiddenToTray          = 2155, // 0, 0
};
// clang-format on
} // namespace CaptureMessage

// The capture program's window class. Off Windows, the window is a local server of this name
// in the user's runtime folder.
extern const char kCaptureWindowClass[];

// The full name of the capture window's local server ("<runtime dir>/<window class>").
QString CaptureWindowServerName();

// Posts a message to the capture program's window without waiting for it to be handled.
// Returns non-zero when the message was posted and 0 when the capture program is not
// running (nothing is posted and nothing traced then) or the post failed.
//
// Off Windows one connection carries one 12-byte record: quint32 message, qint32 wParam,
// qint32 lParam, big-endian (QDataStream, Qt_5_9).
int PostMessageToKestrel(uint message, qint32 wParam, qint32 lParam);

// The bytes of one posted message, and back; decoding needs all 12 bytes and ignores more.
constexpr int kPostedMessageBytes = 12;
QByteArray EncodePostedMessage(uint message, qint32 wParam, qint32 lParam);
bool DecodePostedMessage(const QByteArray &record, uint *message, qint32 *wParam, qint32 *lParam);

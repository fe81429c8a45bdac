#pragma once

// The capture program's settings that apply here, read from the store it shares with
// the editor.
struct CaptureSettings
{
    bool copyToClipboard = true; // "CopyToClipboard"
    bool skipEditor = false; // "SkipEditorWnd": the editor keeps the capture, hidden
    bool autoSave = false; // "AutoSave": the editor saves each capture at once

    static CaptureSettings load();
};

#pragma once

#include "capture/CaptureSettings.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <QStringList>

// Gives the editor its commands: over the local channel to the running editor, or as the
// arguments of a new one, which then becomes the running editor.
class EditorHandOff
{
    Q_DECLARE_TR_FUNCTIONS(EditorHandOff)

public:
    static const QString kEditorProgram; // "KestrelEditor"

    // "/path <file> /point <x> <y>", then "/skip" and "/autosave" as the settings ask.
    static QStringList captureArguments(const QString &file, const QPoint &point,
                                        const CaptureSettings &settings);
    // The editor beside this program, else the one on the PATH; empty when there is none.
    static QString editorProgram();
    // False, with a message for the user in error, when neither way reached an editor.
    static bool send(const QStringList &arguments, QString *error);
};

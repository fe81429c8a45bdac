#pragma once

#include <QMetaType>

// How the history strip picks captures: one by clicking a thumbnail, or several by
// checking their select buttons.
enum HistorySelectMode : int {
    NormalSelectMode = 0,
    MultiSelectMode = 1,
};

Q_DECLARE_METATYPE(HistorySelectMode)

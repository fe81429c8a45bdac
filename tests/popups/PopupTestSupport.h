#pragma once

#include "editor/Editor.h"
#include "popups/MosaicPopup.h"

#include <QMetaType>

// The types the tool popups' signals carry, so signal spies can record them.
inline void registerPopupSignalTypes()
{
    qRegisterMetaType<Editor::ShapeType>();
    qRegisterMetaType<Qt::PenStyle>();
    qRegisterMetaType<MosaicPopup::Strength>();
}

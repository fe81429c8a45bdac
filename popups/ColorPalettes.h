#pragma once

#include <QColor>
#include <QList>

// The ten basic colours offered to each colour tool.
namespace ColorPalettes {

// Figure fill and outline; the last entry is transparent (no fill, no outline).
QList<QColor> figure();
QList<QColor> highlighter();
QList<QColor> penAndText();

} // namespace ColorPalettes

#include "popups/ColorPalettes.h"

namespace ColorPalettes {

QList<QColor> figure()
{
    // clang-format off
    return {QColor(0, 0, 0),       QColor(146, 146, 146), QColor(255, 0, 0),
            QColor(255, 192, 0),   QColor(142, 204, 76),  QColor(0, 176, 80),
            QColor(0, 176, 240),   QColor(0, 127, 245),   QColor(112, 48, 160),
            QColor(0, 0, 0, 0)};
    // clang-format on
}

QList<QColor> highlighter()
{
    // clang-format off
    return {QColor(255, 0, 0),     QColor(255, 192, 0),   QColor(255, 240, 0),
            QColor(0, 255, 133),   QColor(78, 206, 0),    QColor(255, 0, 184),
            QColor(170, 57, 255),  QColor(99, 114, 255),  QColor(0, 163, 255),
            QColor(0, 224, 255)};
    // clang-format on
}

QList<QColor> penAndText()
{
    // clang-format off
    return {QColor(0, 0, 0),       QColor(146, 146, 146), QColor(255, 0, 0),
            QColor(255, 192, 0),   QColor(142, 204, 76),  QColor(0, 176, 240),
            QColor(0, 127, 245),   QColor(112, 48, 160),  QColor(255, 0, 153),
            QColor(255, 255, 255)};
    // clang-format on
}

} // namespace ColorPalettes

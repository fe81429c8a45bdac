#pragma once

#include "popups/ColorPalettes.h"
#include "popups/ColorPicker.h"
#include "popups/ColorSelectPopup.h"
#include "popups/FigurePopup.h"
#include "popups/LinePopup.h"
#include "popups/MosaicPopup.h"
#include "popups/TextPopup.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QStringList>
#include <QTest>

enum PopupKind { FigureKind, LineKind, MosaicKind, TextKind, PaletteKind, MixerKind };

// The types the tool popups' signals carry, so signal spies can record them.
inline void registerPopupSignalTypes()
{
    qRegisterMetaType<Editor::ShapeType>();
    qRegisterMetaType<Qt::PenStyle>();
    qRegisterMetaType<MosaicPopup::Strength>();
}

// A new panel of that kind (palettes with the highlighter colours) and the signal that
// carries its choice.
inline Popup *makePopup(int kind, QByteArray &choice)
{
    switch (PopupKind(kind)) {
    case FigureKind:
        choice = SIGNAL(figureSelected(Editor::ShapeType, Qt::PenStyle, QColor, QColor));
        return new FigurePopup;
    case LineKind:
        choice = SIGNAL(lineSelected(int));
        return new LinePopup;
    case MosaicKind:
        choice = SIGNAL(mosaicSelected(MosaicPopup::Strength));
        return new MosaicPopup;
    case TextKind:
        choice = SIGNAL(fontChanged(int, QColor, int));
        return new TextPopup;
    case PaletteKind: {
        choice = SIGNAL(colorSelected(QColor));
        auto *palette = new ColorSelectPopup;
        palette->setBasicColors(ColorPalettes::highlighter());
        return palette;
    }
    case MixerKind:
        choice = SIGNAL(colorSelected(QColor));
        return new ColorPicker;
    }
    return nullptr;
}

inline void restorePopup(Popup *popup, KestrelPreferences *preferences)
{
    if (auto *figure = qobject_cast<FigurePopup *>(popup))
        figure->setPreferences(preferences);
    else if (auto *line = qobject_cast<LinePopup *>(popup))
        line->setPreferences(preferences);
    else if (auto *mosaic = qobject_cast<MosaicPopup *>(popup))
        mosaic->setPreferences(preferences);
    else if (auto *text = qobject_cast<TextPopup *>(popup))
        text->setPreferences(preferences);
}

// Clicks the named button of a panel, or steps its named combo box one entry down, as the
// user would.
inline void activate(QWidget *popup, const QString &name)
{
    QObject *control = popup->findChild<QObject *>(name);
    QVERIFY2(control, qPrintable(name));
    if (auto *box = qobject_cast<QComboBox *>(control))
        QTest::keyClick(box, Qt::Key_Down);
    else
        static_cast<QAbstractButton *>(control)->click();
}

// The arguments of one emitted signal as text: numbers in decimal, colours as #aarrggbb.
inline QString described(const QList<QVariant> &arguments)
{
    QStringList parts;
    for (const QVariant &argument : arguments)
        parts << (argument.userType() == QMetaType::QColor
                          ? argument.value<QColor>().name(QColor::HexArgb)
                          : QString::number(argument.toInt()));
    return parts.join(' ');
}

#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

// The offscreen platform's screen shows only its windows: this one covers it in one colour,
// so a grab of the screen has something to see.
class ScreenCover : public QWidget
{
public:
    explicit ScreenCover(const QColor &color = QColor(0x3a, 0x7d, 0x44))
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setAutoFillBackground(true);
        QPalette colors = palette();
        colors.setColor(QPalette::Window, color);
        setPalette(colors);
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        show();
        if (!QTest::qWaitForWindowExposed(this))
            qWarning("The screen cover was never shown.");
    }
};

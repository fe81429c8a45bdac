#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

// The offscreen platform's screen shows only its windows: this one covers it in one colour,
// so a grab of the screen has something to see.
struct ScreenCover : QWidget
{
    explicit ScreenCover(const QColor &color = Qt::darkGreen)
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setPalette(QPalette(color, color));
        setAutoFillBackground(true);
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        show();
        if (!QTest::qWaitForWindowExposed(this))
            qWarning("The screen cover was never shown.");
    }
};

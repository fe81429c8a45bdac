#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

// Prints the milliseconds from the start of main to the first paint of `target` that
// `ready` accepts (once the paint is done), then ends the program.
class FirstPaint : public QObject
{
public:
    FirstPaint(const QElapsedTimer &sinceMain, QWidget *target, std::function<bool()> ready)
        : sinceMain_(sinceMain), ready_(std::move(ready))
    {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !reported_ && ready_()) {
            reported_ = true;
            // Runs once this paint has been handled.
            QTimer::singleShot(0, this, [this] {
                std::printf("painted %.3f\n", sinceMain_.nsecsElapsed() / 1e6);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &sinceMain_;
    std::function<bool()> ready_;
    bool reported_ = false;
};

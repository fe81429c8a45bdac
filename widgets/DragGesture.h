#pragma once

#include <QApplication>
#include <QPoint>

// A press that becomes a drag once the pointer has travelled the desktop's drag distance,
// and stays one until the press ends.
class DragGesture
{
public:
    void press(const QPoint &at)
    {
        state_ = State::Pressed;
        from_ = at;
    }
    void end() { state_ = State::None; }

    bool isPressed() const { return state_ != State::None; }
    bool hasStarted() const { return state_ == State::Started; }

    // True once: on the move that carries a pressed pointer far enough.
    bool startsAt(const QPoint &at)
    {
        if (state_ != State::Pressed
            || (at - from_).manhattanLength() < QApplication::startDragDistance())
            return false;
        state_ = State::Started;
        return true;
    }

private:
    enum class State { None, Pressed, Started };
    State state_ = State::None;
    QPoint from_;
};

#pragma once

#include "capture/ScreenGrabber.h"

// Reads the screen through Qt, as X11 lets any client do.
class QtScreenGrabber : public ScreenGrabber
{
    Q_OBJECT
    Q_DISABLE_COPY(QtScreenGrabber)

public:
    QtScreenGrabber();
    void start() override;

private:
    void grab();
};

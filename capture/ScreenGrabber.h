#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <memory>

// One frozen picture of the whole desktop. The image covers geometry (logical desktop
// coordinates) and carries the device pixel ratio between the two.
struct DesktopImage
{
    QImage image;
    QRect geometry;
    QList<QRect> screens;

    // The part of the image under a rectangle of desktop coordinates.
    QImage copy(const QRect &area) const;
};

// Reads the screen. Where the session is Wayland, applications may not read the screen
// themselves and the desktop's screenshot portal is asked instead.
class ScreenGrabber : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ScreenGrabber)

public:
    static std::unique_ptr<ScreenGrabber> forSession();
    static bool isWaylandSession();

    ~ScreenGrabber() override;

    // Emits grabbed or failed exactly once, from the event loop.
    virtual void start() = 0;

signals:
    void grabbed(const DesktopImage &desktop);
    void failed(const QString &message);

protected:
    explicit ScreenGrabber(QObject *parent = nullptr);
    // The desktop as the screens of this session lay it out.
    static DesktopImage emptyDesktop();
};

Q_DECLARE_METATYPE(DesktopImage)

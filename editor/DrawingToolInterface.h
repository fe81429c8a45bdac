#pragma once

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

// The floating panel of an open text box or crop frame. Panels live above the document, so
// whoever hands one to an item also wires the panel and the item together; the item keeps
// those connections and cuts them when it lets go of the panel, so a closed item never hears
// from the panel again.
class DrawingToolInterface
{
public:
    virtual ~DrawingToolInterface() { releaseToolPopup(); }

    void setToolPopup(QWidget *popup, const QList<QMetaObject::Connection> &connections)
    {
        releaseToolPopup();
        popup_ = popup;
        connections_ = connections;
        toolPopupSet();
    }
    void releaseToolPopup()
    {
        for (const QMetaObject::Connection &connection : qAsConst(connections_))
            QObject::disconnect(connection);
        connections_.clear();
        popup_ = nullptr;
    }
    QWidget *toolPopup() const { return popup_; }

protected:
    DrawingToolInterface() = default;
    Q_DISABLE_COPY(DrawingToolInterface)

    // The panel was just handed over; the item tells it what it needs to show.
    virtual void toolPopupSet() { }
    void showToolPopup() const
    {
        if (popup_) {
            popup_->show();
            popup_->raise();
        }
    }
    void hideToolPopup() const
    {
        if (popup_)
            popup_->hide();
    }

private:
    QPointer<QWidget> popup_;
    QList<QMetaObject::Connection> connections_;
};

#pragma once

#include <QMetaType>
#include <QPointer>

class Editor;

// The value a history row carries: the link to the capture's document. Copies share the
// document; none of them owns it. The link goes null by itself once the document is
// released, so a copy kept anywhere never reaches a freed document.
class History
{
public:
    History() = default;
    explicit History(Editor *editor);

    Editor *editor() const;

    // Makes the type known by its name "History", also to queued connections.
    static void registerMetaType();

private:
    QPointer<Editor> editor_;
};

Q_DECLARE_METATYPE(History)

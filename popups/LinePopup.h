#pragma once

#include "popups/Popup.h"

#include <memory>

class KestrelPreferences;

namespace Ui {
class LinePopup;
}

// Chooses the line width of the figure, pen and highlighter tools, with a preview line as
// thick as the choice.
class LinePopup : public Popup
{
    Q_OBJECT
    Q_DISABLE_COPY(LinePopup)

public:
    explicit LinePopup(QWidget *parent = nullptr);
    ~LinePopup() override;

    int thickness() const;
    // Shows the stored width, or the offered width closest to it. Writes nothing.
    void setPreferences(KestrelPreferences *preferences);

signals:
    void lineSelected(int thickness);

private slots:
    void onChangedLineThickness();

private:
    const std::unique_ptr<Ui::LinePopup> ui_;
};

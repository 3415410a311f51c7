#pragma once

#include <QPushButton>

#include "controls/control.h"

namespace sced {

// A push button drawn in bronze: normal, hover, pressed and disabled
// faces, and a dotted ring while it has the focus.
class CoolButton : public QPushButton, public Control {
    Q_OBJECT
public:
    explicit CoolButton(const QString& text = {}, QWidget* parent = nullptr);

    void SetText(std::string text) override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sced

#pragma once

#include "app/app_dialog.h"

namespace sced {

class DirectionArea;

// Picks a direction by turning an arrow: drag it with the mouse, or turn it
// a step at a time with Left and Right. The direction comes in and goes out
// through the exchange's first integer.
class DirectionDialog : public AppDialog {
    Q_OBJECT
public:
    // Registers itself under the direction dialog's number.
    explicit DirectionDialog(QWidget* parent);

protected:
    void Prepare() override;
    void accept() override;

private:
    DirectionArea* area_;
};

}  // namespace sced

#pragma once

#include <QListWidget>

#include "controls/control.h"

namespace sced {

// A list of the items of its data half, drawn by the skin: centred on one
// line with an ellipsis, or after a swatch of the player's colour.
class CoolListBox : public QListWidget, public ListBox {
    Q_OBJECT
public:
    explicit CoolListBox(QWidget* parent = nullptr);

protected:
    void Refresh() override;
};

}  // namespace sced

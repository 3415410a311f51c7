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
    // Every click and key selects the row it makes current (Ctrl+click
    // included), so the row the designer sees chosen is the one OK takes.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};

}  // namespace sced

#pragma once

#include "app/app_dialog.h"

namespace sced {

class AllianceGrid;

// The alliances of the eight players as rows of allies: drag a player onto
// another row to join it, or start over with Total War or Total
// Friendship. The table comes in and goes out through the exchange's two
// integers.
class AllianceDialog : public AppDialog {
    Q_OBJECT
public:
    // Registers itself under the alliance dialog's number.
    explicit AllianceDialog(QWidget* parent);

protected:
    void Prepare() override;
    void accept() override;

private:
    AllianceGrid* grid_;
};

}  // namespace sced

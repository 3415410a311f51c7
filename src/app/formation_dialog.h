#pragma once

#include "app/app_dialog.h"

namespace sced {

class CoolListBox;
class FormationPreview;

// Picks a battle order from the list, with a preview of the selected one.
class FormationDialog : public AppDialog {
    Q_OBJECT
public:
    // Registers itself and its list under the formation numbers.
    explicit FormationDialog(QWidget* parent);

protected:
    void Prepare() override;

private:
    CoolListBox* list_;
    FormationPreview* preview_;
};

}  // namespace sced

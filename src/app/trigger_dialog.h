#pragma once

#include "app/app_dialog.h"

class QLabel;

namespace sced {

class CoolEdit;

// The trigger dialog: the trigger's name and its repeat count, each under
// a caption. OK takes both only when the editing operations accept them;
// a refusal keeps the dialog open with the reason under the fields.
class TriggerDialog : public AppDialog {
    Q_OBJECT
public:
    explicit TriggerDialog(QWidget* parent);

protected:
    void Prepare() override;
    std::string Refusal() override;

private:
    CoolEdit* name_;
    CoolEdit* times_;
    QLabel* reason_;
};

}  // namespace sced

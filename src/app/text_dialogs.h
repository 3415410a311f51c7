#pragma once

#include <QLabel>

#include "app/app_dialog.h"

namespace sced {

class CoolEdit;

// The string dialog (a name, one line) and the number dialog: an edit
// field whose text the editing operations check on OK. A refused name or
// number keeps the dialog open with the reason under the field.
class TextDialog : public AppDialog {
    Q_OBJECT
public:
    enum Kind { kString, kNumber };
    TextDialog(QWidget* parent, Kind kind);

protected:
    void Prepare() override;
    std::string Refusal() override;

private:
    Kind kind_;
    CoolEdit* edit_;
    QLabel* reason_;
};

}  // namespace sced

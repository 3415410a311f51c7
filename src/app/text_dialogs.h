#pragma once

#include <QLabel>

#include "app/app_dialog.h"

namespace sced {

class CoolEdit;
class UserQuestions;

// The string dialog (a name, one line) and the number dialog: an edit
// field whose text the editing operations check on OK. A refused name
// keeps the dialog open with the reason under the field; a refused number
// shows its message in a box.
class TextDialog : public AppDialog {
    Q_OBJECT
public:
    enum Kind { kString, kNumber };
    TextDialog(QWidget* parent, Kind kind, UserQuestions& questions);

protected:
    void Prepare() override;
    std::string Refusal() override;

private:
    Kind kind_;
    UserQuestions& questions_;
    CoolEdit* edit_;
    QLabel* reason_;
};

}  // namespace sced

#pragma once

#include <optional>

#include "app/app_dialog.h"
#include "editing/where_used.h"

class QLabel;

namespace sced {

class CoolListBox;
class Scenario;
class UserQuestions;

// Replace with...: the other things of a thing's kind, one of which takes
// its place in every command that uses it; then the question how many
// commands change. A double click on a thing is OK.
class ReplaceDialog : public AppDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget* parent);
    // The thing the designer chose and agreed to put in place of `from`;
    // nothing when there is none to choose or nothing would change (both
    // said), or the designer cancelled or said No.
    std::optional<NamedThing> Ask(const Scenario& scenario, UserQuestions& questions, const NamedThing& from);

private:
    QLabel* caption_;
    CoolListBox* list_;
};

}  // namespace sced

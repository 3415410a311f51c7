#include "controls/control_table.h"

#include <algorithm>

#include "controls/control.h"

namespace sced {

ControlTable& ControlTable::Instance() {
    static ControlTable table;
    return table;
}

void ControlTable::Register(int number, Control* control) {
    if (number >= 0 && number < kSize) controls_[static_cast<std::size_t>(number)] = control;
}

void ControlTable::Unregister(const Control* control) {
    std::replace_if(controls_.begin(), controls_.end(), [control](const Control* c) { return c == control; }, nullptr);
}

Control* ControlTable::At(int number) const {
    return number >= 0 && number < kSize ? controls_[static_cast<std::size_t>(number)] : nullptr;
}

bool ControlTable::ShowModal(int number, std::string_view caption) const {
    Control* dialog = At(number);
    return dialog && dialog->ShowModal(caption);
}

}  // namespace sced

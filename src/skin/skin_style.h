#pragma once

class QApplication;

namespace sced {

// The parts that Qt draws itself (the menu bar and its menus, scroll bars,
// tool tips) in the skin's colours, for the whole application.
void ApplySkinStyle(QApplication& application);

}  // namespace sced

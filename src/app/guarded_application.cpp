#include "app/guarded_application.h"

#include <cstdlib>
#include <exception>

#include "app/user_questions.h"
#include "core/scenario_error.h"

namespace sced {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const ScenarioError& error) {
        End(error.text());
    } catch (const std::exception& error) {
        End(error.what());
    }
}

void GuardedApplication::End(const std::string& text) {
    bool kept = false;
    try {
        kept = keepWork_ && keepWork_();
    } catch (...) {
        // What cannot be kept now is lost; the box must still come.
    }
    ShowFatalError(kept ? text + "\n\nThe unsaved changes were kept; the editor offers them at its next start."
                        : text);
    // The editor's state is not to be trusted after an error: it ends here.
    std::exit(1);
}

}  // namespace sced

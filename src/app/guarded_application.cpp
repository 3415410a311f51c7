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
        ShowFatalError(error.text());
    } catch (const std::exception& error) {
        ShowFatalError(error.what());
    }
    // The editor's state is not to be trusted after an error: it ends here.
    std::exit(1);
}

}  // namespace sced

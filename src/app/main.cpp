// sced [GAMEDIR]: the Tarvossa Scenario Editor on the game folder (default:
// the current folder).

#include <filesystem>
#include <memory>

#include "app/guarded_application.h"
#include "app/main_window.h"
#include "app/user_questions.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "model/scenario.h"
#include "skin/skin_style.h"

int main(int argc, char** argv) {
    sced::GuardedApplication application(argc, argv);
    sced::ApplySkinStyle(application);
    QStringList arguments = application.arguments();
    std::error_code ec;
    std::filesystem::path folder = sced::MakeGameFolder(
        arguments.size() > 1 ? std::filesystem::path(arguments[1].toStdU16String()) : std::filesystem::current_path(ec));
    std::unique_ptr<sced::Scenario> scenario;
    try {
        sced::StringTable::Instance().Load(folder);
        scenario = std::make_unique<sced::Scenario>(folder);
    } catch (const sced::ScenarioError& error) {
        sced::ShowFatalError(error.text() + "\n\nThe game folder was " + folder.string() + ".");
        return 1;
    }
    sced::MainWindow window(*scenario);
    window.show();
    return application.exec();
}

// sced [GAMEDIR] [--wine-prefix DIR]: the Tarvossa Scenario Editor on the
// game folder (default: the current folder); the palettes of the game's
// pictures are looked up under the Wine prefix (default: $WINEPREFIX, else
// "~/.wine").

#include <filesystem>
#include <memory>

#include <QStandardPaths>

#include "app/guarded_application.h"
#include "app/main_window.h"
#include "app/user_questions.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "model/scenario.h"
#include "skin/qt_text.h"
#include "skin/skin_style.h"

int main(int argc, char** argv) {
    sced::GuardedApplication application(argc, argv);
    // Where the recovery copies live: the user's application data, under these names.
    QCoreApplication::setOrganizationName("Tarvossa");
    QCoreApplication::setApplicationName("sced");
    sced::ApplySkinStyle(application);
    QStringList arguments = application.arguments();
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    std::filesystem::path winePrefix = sced::DefaultWinePrefix();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--wine-prefix" && i + 1 < arguments.size())
            winePrefix = sced::PathFromQt(arguments[++i]);
        else
            folder = sced::PathFromQt(arguments[i]);
    }
    folder = sced::MakeGameFolder(folder);
    std::unique_ptr<sced::Scenario> scenario;
    try {
        sced::StringTable::Instance().Load(folder);
        scenario = std::make_unique<sced::Scenario>(folder);
    } catch (const sced::ScenarioError& error) {
        sced::ShowFatalError(error.text() + "\n\nThe game folder was " + sced::TextOfPath(folder) + ".");
        return 1;
    }
    sced::MainWindow window(*scenario);
    window.SetWinePrefix(winePrefix);
    window.show();
    application.SetBeforeEnd([&window] { return window.KeepWorkBeforeEnd(); });
    window.StartRecovery(
        sced::PathFromQt(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)) /
        "recovery");
    int status = application.exec();
    application.SetBeforeEnd(nullptr);
    return status;
}

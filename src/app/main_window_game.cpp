// The main window's commands that start the game on the mission.

#include "app/game_link.h"
#include "app/main_window.h"
#include "app/user_questions.h"
#include "core/file_write.h"
#include "core/path_text.h"
#include "core/string_table.h"
#include "files/game_launch.h"
#include "model/scenario.h"

namespace sced {

void MainWindow::StartGame(bool mapEditor) {
    bool open = editor_.IsOpen();
    if (!mapEditor && !open) return;
    // The game reads the mission from disk: what it gets is what was saved,
    // and a mission that could not be saved is not played.
    if (open && !Save(false)) return;
    std::string map = open ? GameMapPath(scenario_) : std::string();
    GameLink::Mode mode = mapEditor ? GameLink::Mode::kMapEditor : GameLink::Mode::kPlay;
    if (GameLink::GameIsRunning()) {
        std::error_code why;
        if (!WriteStartDat(scenario_.gameFolder, map, &why)) {
            questions_.Warn(Lookup("txtNoStartDat") + "\n" + TextOfPath(StartDatPath(scenario_.gameFolder)) + ": " +
                            FailureReason(why) + ".");
            return;
        }
        GameLink::TellRunningGame(mode);
        return;
    }
    std::string failed = GameLink::Start(mode, GameExecutable(scenario_.gameFolder),
                                         mapEditor ? MapEditorArguments(map) : PlayArguments(map), scenario_.gameFolder);
    if (!failed.empty()) questions_.Warn(failed);
}

}  // namespace sced

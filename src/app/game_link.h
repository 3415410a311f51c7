#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sced {

// The editor's only ways to the game: starting it as a new process, and
// telling a game that already runs to read "start.dat". A running game is
// found only on Windows; elsewhere the game is always started anew.
class GameLink {
public:
    enum class Mode { kPlay, kMapEditor };

    // Whether the game's main window is open now.
    static bool GameIsRunning();
    // Tells the running game to load the map of "start.dat" in the mode and
    // brings its window back.
    static void TellRunningGame(Mode mode);

    // Starts the program in the folder, detached, each argument as one. On
    // Linux and macOS a Windows program is started through wine when wine is
    // on the PATH. Returns why the game (or its map editor, by the mode)
    // could not be started, or "".
    static std::string Start(Mode mode, const std::filesystem::path& program, const std::vector<std::string>& arguments,
                             const std::filesystem::path& folder);
};

}  // namespace sced

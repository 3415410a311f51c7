#include "files/game_launch.h"

#include <fstream>

#include "core/file_write.h"
#include "core/game_path.h"
#include "files/map_reader.h"
#include "files/mission_package.h"
#include "model/scenario.h"

namespace sced {

namespace fs = std::filesystem;

fs::path GameExecutable(const fs::path& gameFolder) { return FindInFolder(gameFolder, "ketrel.exe"); }

bool IsWindowsProgram(const fs::path& program) {
    std::ifstream in(program, std::ios::binary);
    char start[2] = {};
    return in.read(start, 2) && start[0] == 'M' && start[1] == 'Z';
}

std::string GameMapPath(const Scenario& scenario) { return GamePathOf(scenario, MapPathOf(scenario)); }

std::vector<std::string> PlayArguments(std::string_view mapPath) { return {"/MISSION", std::string(mapPath)}; }

std::vector<std::string> MapEditorArguments(std::string_view mapPath) {
    if (mapPath.empty()) return {"/MAPEDITOR"};
    return {"/MAPEDITOR", std::string(mapPath)};
}

std::string StartDatText(std::string_view mapPath) {
    return mapPath.empty() ? std::string("\\Data\\standart.m3d") : std::string(mapPath);
}

fs::path StartDatPath(const fs::path& gameFolder) {
    return FindInFolder(ResolveGamePath(gameFolder, "UserMissions"), "start.dat");
}

bool WriteStartDat(const fs::path& gameFolder, std::string_view mapPath, std::error_code* why) {
    return WriteFileAtomically(StartDatPath(gameFolder), StartDatText(mapPath), why);
}

}  // namespace sced

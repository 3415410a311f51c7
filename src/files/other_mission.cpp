#include "files/other_mission.h"

#include <system_error>

#include "core/game_path.h"
#include "core/path_text.h"
#include "core/scenario_error.h"
#include "core/warning.h"
#include "files/mission_package.h"
#include "model/page_table.h"
#include "model/scenario.h"

namespace sced {

namespace fs = std::filesystem;

namespace {

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

}  // namespace

std::optional<fs::path> GameFolderOf(const fs::path& descriptor) {
    fs::path folder = fs::absolute(descriptor).lexically_normal().parent_path();
    if (Lowered(TextOfPath(folder.filename())) != "usermissions") return std::nullopt;
    return MakeGameFolder(folder.parent_path());
}

std::unique_ptr<Scenario> OpenOtherMission(const Scenario& edited, const fs::path& gameFolder,
                                           const fs::path& descriptor) {
    std::optional<std::string> bytes = ReadWholeFile(descriptor);
    Check(bytes.has_value(), "The mission " + TextOfPath(descriptor) + " cannot be read.");
    std::error_code ec;
    // A copy of a mission's files without the game's data is read with the
    // declarations of the game being edited.
    const bool ownData = fs::is_directory(ResolveGamePath(gameFolder, "Data"), ec);
    auto other = std::make_unique<Scenario>(ownData ? gameFolder : edited.gameFolder);
    other->gameFolder = gameFolder;
    // Opening reads the pages through the process-wide table, which belongs
    // to the mission being edited.
    PageTable own;
    LentPageTable lent(own);
    Check(OpenMission(*other, DescriptorMapPath(*bytes), false),
          "The map of the mission " + TextOfPath(descriptor) + " cannot be read.");
    // The package files are named after the map, not after the descriptor.
    std::string named = TextOfPath(descriptor.stem());
    Warn(Lowered(named) == Lowered(other->missionName),
         "The mission " + TextOfPath(descriptor) + " is on the map of the mission " + other->missionName +
             ", whose files are compared.");
    Warn(!other->scriptUnread, "The script of the mission " + TextOfPath(descriptor) +
                                   " cannot be read; it is compared as a mission without triggers.");
    Warn(other->leftOut.empty(), "Opening the mission " + TextOfPath(descriptor) + " left out " +
                                     std::to_string(other->leftOut.size()) +
                                     " commands; the comparison does not see them.");
    return other;
}

}  // namespace sced

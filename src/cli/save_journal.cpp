#include "cli/save_journal.h"

#include <algorithm>
#include <system_error>

#include "core/file_write.h"
#include "core/game_path.h"
#include "files/map_reader.h"
#include "files/mission_package.h"

namespace sced::cli {

namespace fs = std::filesystem;

void SaveJournal::Remember(const Scenario& scenario) {
    const MissionPaths paths = PathsOf(scenario);
    std::error_code ec;
    for (const fs::path& folder : {paths.userMissions, paths.folder})
        if (!fs::exists(folder, ec) && std::find(newFolders_.begin(), newFolders_.end(), folder) == newFolders_.end())
            newFolders_.push_back(folder);
    const fs::path files[] = {paths.descriptor, paths.script,  paths.pages,
                              paths.description, paths.picture, MapPathOf(scenario)};
    for (const fs::path& file : files)
        if (!file.empty() && !files_.contains(file)) files_[file] = ReadWholeFile(file);
}

std::vector<fs::path> SaveJournal::RollBack() {
    std::vector<fs::path> failed;
    std::error_code ec;
    for (const auto& [file, bytes] : files_) {
        std::optional<std::string> now = ReadWholeFile(file);
        if (now == bytes) continue;
        bool restored = bytes ? WriteFileAtomically(file, *bytes) : fs::remove(file, ec);
        if (!restored) failed.push_back(file);
    }
    // Inner folders first; a folder that is not empty stays.
    for (auto folder = newFolders_.rbegin(); folder != newFolders_.rend(); ++folder) fs::remove(*folder, ec);
    files_.clear();
    newFolders_.clear();
    return failed;
}

}  // namespace sced::cli

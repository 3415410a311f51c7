#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace sced {

class Scenario;

// A copy of the open mission's unsaved work, kept outside the game folder
// so that a crash or a kill loses nothing: the mission's package (script,
// pages, description, descriptor, the picture when one was loaded) and a
// note of the mission's name, its map and the time. One copy per game
// folder.

// The open mission's package as a save would write it, taken on the
// editor's thread (it reads the mission) so that another thread can write
// it.
struct RecoverySnapshot {
    std::string gameFolder;
    std::string missionName;
    std::string mapPath;  // the descriptor's map line
    std::string time;     // local time, "2026-12-07 17:31"
    std::vector<std::pair<std::string, std::string>> files;  // file name, bytes
};
// Leaves the page table as it was. Raises what the writer raises.
RecoverySnapshot TakeRecoverySnapshot(Scenario& scenario);

// The folder of the game folder's copy under the root: named by a hash of
// the game folder's absolute path.
std::filesystem::path RecoveryFolder(const std::filesystem::path& root, const std::filesystem::path& gameFolder);

// Writes the copy into its folder all or nothing: the note and the files
// replace the old copy together. False, with why set, when it cannot.
bool WriteRecoveryCopy(const std::filesystem::path& folder, const RecoverySnapshot& snapshot,
                       std::error_code* why = nullptr);

// Removes the copy (nothing when there is none).
void RemoveRecoveryCopy(const std::filesystem::path& folder);

// What the note of a copy says.
struct RecoveryNote {
    std::string missionName;
    std::string mapPath;
    std::string time;
};
// Whether the folder holds a copy (it has a note).
bool RecoveryCopyExists(const std::filesystem::path& folder);
// The note; nothing when it is missing or cannot be read.
std::optional<RecoveryNote> ReadRecoveryNote(const std::filesystem::path& folder);

// Opens the copy's mission: its map (the mission's own), then the copy's
// files in place of the saved ones, the picture of the copy as the loaded
// one. Raises with the reason when the copy is damaged or its map cannot
// be read; the caller puts the open mission back.
void OpenRecoveryCopy(Scenario& scenario, const std::filesystem::path& folder);

// Moves a copy that could not be restored aside (beside it, the time in
// its name), so that it is kept for the designer to look at and a new copy
// can be written; the folder it went to.
std::filesystem::path SetRecoveryCopyAside(const std::filesystem::path& folder);

}  // namespace sced

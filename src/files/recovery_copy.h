#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "files/script_writer.h"

namespace sced {

class Scenario;

// A copy of the open mission's unsaved work, kept outside the game folder
// so that a crash or a kill loses nothing: the mission's package (script,
// pages, description, descriptor, the picture when one was loaded) and a
// note of the mission's name, its map and the time. One copy per game
// folder.

// The open mission's package as the save writes it, in the texts of the
// mission (line ends and scrambling are the writer's part), taken on the
// editor's thread (it reads the mission) so that another thread can write
// it.
struct RecoverySnapshot {
    std::string gameFolder;
    std::string missionName;
    std::string mapPath;  // the descriptor's map line
    std::string time;     // local time, "2026-12-07 17:31"
    std::string descriptor, script, pages, description;
    std::optional<std::string> picture;  // a picture loaded and not yet saved
};

// Takes the snapshot a slice at a time, so that a large mission never holds
// the editor's thread for long. The mission must not change between the
// slices (a caller that sees a change starts anew).
class RecoverySnapshotBuilder {
public:
    explicit RecoverySnapshotBuilder(Scenario& scenario);
    // Writes triggers until the time is spent; true when the snapshot is
    // whole. Raises what the writer raises.
    bool Step(std::chrono::steady_clock::duration time);
    // The snapshot, once Step said it is whole.
    RecoverySnapshot Take() { return std::move(snapshot_); }

private:
    Scenario& scenario_;
    ScriptBuilder script_;
    RecoverySnapshot snapshot_;
};

// The whole snapshot at once. Raises what the writer raises.
RecoverySnapshot TakeRecoverySnapshot(Scenario& scenario);

// The folder of the game folder's copy under the root: named by a hash of
// the game folder's absolute path.
std::filesystem::path RecoveryFolder(const std::filesystem::path& root, const std::filesystem::path& gameFolder);

// Writes the copy into its folder all or nothing, the files as the save
// writes them: the note and the files replace the old copy together. False,
// with why set, when it cannot.
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

#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sced {
class Scenario;
}

namespace sced::cli {

// The files a designer script's saves replace, as they were before the
// script began, so that a script that stops leaves every file as it found
// it, whatever its earlier "save" steps wrote.
class SaveJournal {
public:
    // Before a save of the scenario's mission: keeps the bytes of each file
    // the save may write (the package files, the picture, the map) and
    // notes the folders it may create, each the first time it is seen.
    void Remember(const Scenario& scenario);
    // Puts every remembered file back (a file that was not there goes) and
    // removes the folders the saves created. Returns the files that could
    // not be put back.
    std::vector<std::filesystem::path> RollBack();

private:
    std::map<std::filesystem::path, std::optional<std::string>> files_;
    std::vector<std::filesystem::path> newFolders_;  // outer folders first
};

}  // namespace sced::cli

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/warning.h"

namespace sced::test {

// The demo game folder of the source tree.
std::filesystem::path DemoGame();

// A fresh temporary folder, removed when the test ends; by default a copy
// of the demo game folder. Its name starts with the given text (one with a
// blank tests paths that must stay one argument). Names are code page 1251,
// as the game's files write them.
class TempGameFolder {
public:
    enum Contents { kDemoCopy, kEmpty };
    explicit TempGameFolder(Contents contents = kDemoCopy, std::string_view nameStart = "sced-test-");
    ~TempGameFolder();
    TempGameFolder(const TempGameFolder&) = delete;
    TempGameFolder& operator=(const TempGameFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Paths are written the game's way: "Data\\str".
    std::filesystem::path File(std::string_view relative) const;
    void Write(std::string_view relative, std::string_view bytes) const;
    std::string Read(std::string_view relative) const;
    void Remove(std::string_view relative) const;
    // Every entry under the folder, sorted.
    std::vector<std::filesystem::path> Entries() const;
    // Whether a temporary or kept-aside file of a save is still there.
    bool HasStagingLeftovers() const;

private:
    std::filesystem::path path_;
};

// Collects the warnings shown while it exists.
class WarningRecorder {
public:
    WarningRecorder();
    ~WarningRecorder();
    std::vector<std::string> texts;

private:
    WarningSink previous_;
};

}  // namespace sced::test

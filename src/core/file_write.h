#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sced {

// "\n" as the game's text files want it: every LF becomes CR LF.
std::string WithCrLf(std::string_view text);

// Writes the bytes to a temporary file beside the target and renames it over
// the target only when it is complete, so a failure never leaves half a file
// where a good one stood. False when anything fails; the target is then as
// it was.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Several files that must change together: each is written to a temporary
// file beside its target first; only when all are written are they renamed
// over their targets. Temporaries that were not committed are removed.
class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;
    ~StagedFiles();

    // Writes the temporary of the target; false when it cannot be written.
    bool Stage(const std::filesystem::path& target, std::string_view bytes);
    // Renames every temporary over its target; false (with the rest removed)
    // when a rename fails.
    bool Commit();
    void Discard();

private:
    std::vector<std::filesystem::path> targets_;
};

}  // namespace sced

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace sced {

// "\n" as the game's text files want it: every LF becomes CR LF.
std::string WithCrLf(std::string_view text);

// Writes the bytes to a temporary file beside the target and renames it over
// the target only when it is complete, so a failure never leaves half a file
// where a good one stood. A symbolic link is written through to the file it
// names; a device or pipe is written directly. False when anything fails;
// the target is then as it was, and why holds the system's reason.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::error_code* why = nullptr);

// Why a file could not be written or replaced, as the end of a sentence
// ("The file X cannot be replaced: " + reason): a file another program holds
// open is said in those words, anything else in the system's.
std::string FailureReason(const std::error_code& why);

// Several files that must change together: each is written to a temporary
// file beside its target first; then all are renamed over their targets,
// the old files kept aside until every rename succeeded. A rename that fails
// puts back what was replaced, so the files are either all old or all new.
// Targets follow links and special files as in WriteFileAtomically (a
// device or pipe written directly cannot be taken back).
class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;
    // Takes back a replacement that was not kept; removes the temporaries.
    ~StagedFiles();

    // Writes the temporary of the target; false when it cannot be written
    // (or the target is a folder).
    bool Stage(const std::filesystem::path& target, std::string_view bytes);
    // Renames every temporary over its target, keeping the old files aside;
    // false, with every target as it was, when one fails.
    bool Replace();
    // After Replace: puts the old files back (and removes targets that did
    // not exist before).
    void RollBack();
    // After Replace: the new files stay; the old ones are dropped.
    void Keep();
    // Replace, then Keep.
    bool Commit();
    // Removes the temporaries that were not renamed.
    void Discard();
    // The target whose replacement failed last; empty when none did.
    const std::filesystem::path& failed() const { return failed_; }
    // The system's reason of the last failure.
    const std::error_code& error() const { return error_; }

private:
    struct Entry {
        std::filesystem::path target;     // the final file, links followed
        std::filesystem::path temporary;  // the new bytes beside it
        std::filesystem::path backup;     // the old file while it may be put back
        bool existed = false;
        bool direct = false;  // a device or pipe, written at Replace
        std::string bytes;    // only for a direct target
    };
    std::vector<Entry> entries_;
    std::size_t replaced_ = 0;  // entries_[0, replaced_) are replaced, not kept
    std::filesystem::path failed_;
    std::error_code error_;
};

}  // namespace sced

#pragma once

#include <chrono>
#include <filesystem>

namespace sced {

// A mission's lock, held while its files are written, so that two saves of
// one mission (two editors, or the editor and sced-cli) never mix their
// files. It is a lock file beside the descriptor ("NAME.add.lock"), locked
// through the system: a lock file left by a program that died locks
// nothing. The file goes when the lock is let go.
class MissionLock {
public:
    static constexpr std::chrono::milliseconds kWait{2000};

    // Takes the lock of the mission whose descriptor that is, waiting up to
    // wait while another holds it; raises when it stays taken or the lock
    // file cannot be made.
    explicit MissionLock(const std::filesystem::path& descriptor, std::chrono::milliseconds wait = kWait);
    ~MissionLock();
    MissionLock(const MissionLock&) = delete;
    MissionLock& operator=(const MissionLock&) = delete;

    // The lock file of the mission whose descriptor that is.
    static std::filesystem::path FileOf(const std::filesystem::path& descriptor);

private:
    std::filesystem::path file_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace sced

#include "files/mission_lock.h"

#include <thread>

#include "core/scenario_error.h"
#include "core/path_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sced {

namespace {

constexpr std::chrono::milliseconds kPoll{50};

std::string Taken(const std::filesystem::path& descriptor) {
    return "The mission " + TextOfPath(descriptor.stem()) +
           " is being saved by another program; nothing was written. Save again when it has finished.";
}

}  // namespace

std::filesystem::path MissionLock::FileOf(const std::filesystem::path& descriptor) {
    std::filesystem::path file = descriptor;
    file += ".lock";
    return file;
}

#ifdef _WIN32

MissionLock::MissionLock(const std::filesystem::path& descriptor, std::chrono::milliseconds wait)
    : file_(FileOf(descriptor)) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (true) {
        // Shared with nobody and deleted on close: an open file is the lock.
        HANDLE handle = CreateFileW(file_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            handle_ = handle;
            return;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)
            Fail("The lock file " + TextOfPath(file_) + " cannot be made, so the mission is not saved.");
        if (std::chrono::steady_clock::now() >= deadline) Fail(Taken(descriptor));
        std::this_thread::sleep_for(kPoll);
    }
}

MissionLock::~MissionLock() { CloseHandle(static_cast<HANDLE>(handle_)); }

#else

MissionLock::MissionLock(const std::filesystem::path& descriptor, std::chrono::milliseconds wait)
    : file_(FileOf(descriptor)) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (true) {
        const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) Fail("The lock file " + TextOfPath(file_) + " cannot be made, so the mission is not saved.");
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before removes the file as it lets go; a lock on
            // a file no longer there locks nothing.
            struct stat held {}, named {};
            if (::fstat(fd, &held) == 0 && ::stat(file_.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
                held.st_dev == named.st_dev) {
                fd_ = fd;
                return;
            }
            ::close(fd);
            continue;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) Fail(Taken(descriptor));
        std::this_thread::sleep_for(kPoll);
    }
}

MissionLock::~MissionLock() {
    ::unlink(file_.c_str());
    ::close(fd_);
}

#endif

}  // namespace sced

#pragma once

#include <filesystem>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace sced::test {

// Makes a file immutable while it exists, so that nothing (not even root)
// can write, replace or delete it: the one way to make a write fail when
// the tests run as root. held() is false where the file system or the
// platform does not allow it; such tests skip.
class ImmutableFile {
public:
    explicit ImmutableFile(const std::filesystem::path& file) : file_(file) { held_ = SetFlag(true); }
    ~ImmutableFile() {
        if (held_) SetFlag(false);
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool held() const { return held_; }

private:
    bool SetFlag(bool on) {
#ifdef __linux__
        int fd = open(file_.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return ok;
#else
        (void)on;
        return false;
#endif
    }

    std::filesystem::path file_;
    bool held_ = false;
};

}  // namespace sced::test

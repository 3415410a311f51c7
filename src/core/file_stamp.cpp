#include "core/file_stamp.h"

#ifdef _WIN32
#include <system_error>
#else
#include <sys/stat.h>
#endif

namespace sced {

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
#ifdef _WIN32
    std::error_code ec;
    std::filesystem::directory_entry entry(file, ec);
    if (ec || !entry.is_regular_file(ec)) return std::nullopt;
    auto size = entry.file_size(ec);
    auto time = entry.last_write_time(ec);
    if (ec) return std::nullopt;
    return FileStamp{size, static_cast<std::int64_t>(time.time_since_epoch().count())};
#else
    struct stat status {};
    if (stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return FileStamp{static_cast<std::uintmax_t>(status.st_size),
                     static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
#endif
}

}  // namespace sced

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace sced {

// What tells that a file changed without reading it: its size and the time
// of its last modification.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // nanoseconds on the file system's clock
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The file's stamp from one status call; nothing when it is missing or not a
// regular file.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

}  // namespace sced

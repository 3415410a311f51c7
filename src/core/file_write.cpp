#include "core/file_write.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace sced {

namespace fs = std::filesystem;

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    for (std::size_t start = 0; start < text.size();) {
        std::size_t stop = text.find('\n', start);
        if (stop == std::string_view::npos) {
            out.append(text.substr(start));
            break;
        }
        out.append(text.substr(start, stop - start));
        out += "\r\n";
        start = stop + 1;
    }
    return out;
}

namespace {

bool ReplaceFile(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
#endif
}

fs::path WithSuffix(const fs::path& target, const char* suffix) {
    fs::path path = target;
    path += suffix;
    return path;
}

fs::path TemporaryOf(const fs::path& target) { return WithSuffix(target, ".tmp"); }
fs::path BackupOf(const fs::path& target) { return WithSuffix(target, ".bak"); }

// The file a write through the path changes: symbolic links are followed to
// the file they finally name, which need not exist yet.
fs::path FinalTarget(const fs::path& target) {
    constexpr int kMaxLinks = 40;
    std::error_code ec;
    fs::path path = target;
    for (int i = 0; i < kMaxLinks && fs::is_symlink(path, ec); ++i) {
        fs::path link = fs::read_symlink(path, ec);
        if (ec) break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

bool WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

// A second name for the old file, so that it can be put back; a copy where
// the file system has no hard links.
bool KeepBackup(const fs::path& target) {
    std::error_code ec;
    fs::path backup = BackupOf(target);
    fs::remove(backup, ec);
    fs::create_hard_link(target, backup, ec);
    if (ec) fs::copy_file(target, backup, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

}  // namespace

bool WriteFileAtomically(const fs::path& target, std::string_view bytes) {
    StagedFiles files;
    return files.Stage(target, bytes) && files.Commit();
}

StagedFiles::~StagedFiles() {
    if (replaced_ > 0)
        RollBack();
    else
        Discard();
}

bool StagedFiles::Stage(const fs::path& target, std::string_view bytes) {
    Entry entry;
    std::error_code ec;
    fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) return false;
    entry.existed = fs::exists(status);
    if (entry.existed && !fs::is_regular_file(status)) {
        // A device or pipe cannot be renamed over: it gets the bytes itself,
        // opened by the path given ("/dev/stdout" names no file to stage beside).
        entry.target = target;
        entry.direct = true;
        entry.bytes = bytes;
    } else if (entry.target = FinalTarget(target); !WriteBytes(TemporaryOf(entry.target), bytes)) {
        fs::remove(TemporaryOf(entry.target), ec);
        return false;
    }
    entries_.push_back(std::move(entry));
    return true;
}

bool StagedFiles::Replace() {
    for (; replaced_ < entries_.size(); ++replaced_) {
        const Entry& entry = entries_[replaced_];
        bool ok = entry.direct ? WriteBytes(entry.target, entry.bytes)
                               : (!entry.existed || KeepBackup(entry.target)) &&
                                     ReplaceFile(TemporaryOf(entry.target), entry.target);
        if (!ok) {
            failed_ = entry.target;
            std::error_code ec;
            if (!entry.direct && entry.existed) fs::remove(BackupOf(entry.target), ec);
            RollBack();
            return false;
        }
    }
    return true;
}

bool StagedFiles::Commit() {
    if (!Replace()) return false;
    Keep();
    return true;
}

void StagedFiles::RollBack() {
    std::error_code ec;
    for (std::size_t i = replaced_; i-- > 0;) {
        const Entry& entry = entries_[i];
        if (entry.direct) continue;
        if (entry.existed)
            ReplaceFile(BackupOf(entry.target), entry.target);
        else
            fs::remove(entry.target, ec);
    }
    replaced_ = 0;
    Discard();
}

void StagedFiles::Keep() {
    std::error_code ec;
    for (std::size_t i = 0; i < replaced_; ++i)
        if (!entries_[i].direct && entries_[i].existed) fs::remove(BackupOf(entries_[i].target), ec);
    replaced_ = 0;
    entries_.clear();
}

void StagedFiles::Discard() {
    std::error_code ec;
    for (std::size_t i = replaced_; i < entries_.size(); ++i)
        if (!entries_[i].direct) fs::remove(TemporaryOf(entries_[i].target), ec);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(replaced_), entries_.end());
}

}  // namespace sced

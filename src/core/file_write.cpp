#include "core/file_write.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <random>
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

#ifdef _WIN32
std::error_code LastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

// Whether no other program holds the file open against its removal. Asked
// before the old file gets its second name: while another program holds it
// so, the file can neither be renamed over nor that name removed again.
bool NotHeldOpen(const fs::path& target, std::error_code& why) {
    HANDLE file = CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = LastError();
        return false;
    }
    CloseHandle(file);
    return true;
}
#else
// A file open elsewhere can be renamed over: its holder keeps the old one.
bool NotHeldOpen(const fs::path&, std::error_code&) { return true; }
#endif

bool ReplaceFile(const fs::path& from, const fs::path& to, std::error_code& why) {
#ifdef _WIN32
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) return true;
    why = LastError();
    return false;
#else
    fs::rename(from, to, why);
    return !why;
#endif
}

// A name beside the target that no file has, so that no file of the
// designer's is ever overwritten or removed by a save's own files.
fs::path FreeSibling(const fs::path& target, const char* kind) {
    static std::mt19937 random{std::random_device{}()};
    std::error_code ec;
    for (;;) {
        fs::path path = target;
        path += "." + std::to_string(random() % 1000000) + kind;
        if (!fs::exists(fs::symlink_status(path, ec))) return path;
    }
}

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

bool WriteBytes(const fs::path& path, std::string_view bytes, std::error_code& why) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
    }
    if (out) return true;
    why = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
    return false;
}

// A second name for the old file, so that it can be put back; a copy where
// the file system has no hard links.
bool KeepBackup(const fs::path& target, const fs::path& backup, std::error_code& why) {
    std::error_code ec;
    fs::create_hard_link(target, backup, ec);
    if (ec) fs::copy_file(target, backup, fs::copy_options::overwrite_existing, ec);
    why = ec;
    return !ec;
}

}  // namespace

bool WriteFileAtomically(const fs::path& target, std::string_view bytes, std::error_code* why) {
    StagedFiles files;
    bool written = files.Stage(target, bytes) && files.Commit();
    if (!written && why) *why = files.error();
    return written;
}

std::string FailureReason(const std::error_code& why) {
#ifdef _WIN32
    if (why.category() == std::system_category()) {
        switch (why.value()) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return "it is open in another program";
        case ERROR_ACCESS_DENIED:
            // Also what a rename over a file open in another program gets.
            return "it is open in another program, or read-only, or may not be changed";
        }
    }
#endif
    // "No space left on device." goes on a sentence as "no space left on device".
    std::string text = why.message();
    text.erase(std::min(text.size(), text.find_last_not_of(". \r\n") + 1));
    if (text.size() > 1 && std::isupper(static_cast<unsigned char>(text[0])) &&
        std::islower(static_cast<unsigned char>(text[1])))
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text.empty() ? "the system gives no reason" : text;
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
    if (fs::is_directory(status)) {
        error_ = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    entry.existed = fs::exists(status);
    if (entry.existed && !fs::is_regular_file(status)) {
        // A device or pipe cannot be renamed over: it gets the bytes itself,
        // opened by the path given ("/dev/stdout" names no file to stage beside).
        entry.target = target;
        entry.direct = true;
        entry.bytes = bytes;
    } else {
        entry.target = FinalTarget(target);
        entry.temporary = FreeSibling(entry.target, ".tmp");
        if (!WriteBytes(entry.temporary, bytes, error_)) {
            fs::remove(entry.temporary, ec);
            return false;
        }
    }
    entries_.push_back(std::move(entry));
    return true;
}

bool StagedFiles::Replace() {
    for (; replaced_ < entries_.size(); ++replaced_) {
        Entry& entry = entries_[replaced_];
        if (!entry.direct && entry.existed) entry.backup = FreeSibling(entry.target, ".bak");
        bool ok = entry.direct ? WriteBytes(entry.target, entry.bytes, error_)
                               : (!entry.existed || (NotHeldOpen(entry.target, error_) &&
                                                     KeepBackup(entry.target, entry.backup, error_))) &&
                                     ReplaceFile(entry.temporary, entry.target, error_);
        if (!ok) {
            failed_ = entry.target;
            std::error_code ec;
            if (!entry.backup.empty()) fs::remove(entry.backup, ec);
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
        std::error_code ignored;
        if (entry.existed)
            ReplaceFile(entry.backup, entry.target, ignored);
        else
            fs::remove(entry.target, ec);
    }
    replaced_ = 0;
    Discard();
}

void StagedFiles::Keep() {
    std::error_code ec;
    for (std::size_t i = 0; i < replaced_; ++i)
        if (!entries_[i].backup.empty()) fs::remove(entries_[i].backup, ec);
    replaced_ = 0;
    entries_.clear();
}

void StagedFiles::Discard() {
    std::error_code ec;
    for (std::size_t i = replaced_; i < entries_.size(); ++i)
        if (!entries_[i].direct) fs::remove(entries_[i].temporary, ec);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(replaced_), entries_.end());
}

}  // namespace sced

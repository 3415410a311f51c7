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

fs::path TemporaryOf(const fs::path& target) {
    fs::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

bool WriteTemporary(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) return false;
    fs::path temporary = TemporaryOf(target);
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const fs::path& target, std::string_view bytes) {
    StagedFiles files;
    return files.Stage(target, bytes) && files.Commit();
}

StagedFiles::~StagedFiles() { Discard(); }

bool StagedFiles::Stage(const fs::path& target, std::string_view bytes) {
    if (!WriteTemporary(target, bytes)) return false;
    targets_.push_back(target);
    return true;
}

bool StagedFiles::Commit() {
    bool ok = true;
    while (!targets_.empty() && ok) {
        ok = ReplaceFile(TemporaryOf(targets_.front()), targets_.front());
        if (ok) targets_.erase(targets_.begin());
    }
    Discard();
    return ok;
}

void StagedFiles::Discard() {
    std::error_code ec;
    for (const fs::path& target : targets_) fs::remove(TemporaryOf(target), ec);
    targets_.clear();
}

}  // namespace sced

#include "core/game_path.h"

#include "core/code_page.h"
#include "core/path_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <vector>

namespace sced {

namespace fs = std::filesystem;

fs::path FindNameInFolder(const fs::path& folder, const fs::path& name) {
    std::error_code ec;
    fs::path exact = folder / name;
    if (fs::exists(fs::symlink_status(exact, ec))) return exact;
#ifndef _WIN32
    // Windows folders ignore case, Cyrillic included; a game folder copied
    // from there keeps its case loosely.
    const std::optional<std::string> wanted = ExactTextOfPath(name);
    if (!wanted) return exact;
    const std::string folded = FoldCase(*wanted);
    std::vector<fs::path> matches;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        fs::path entry = it->path().filename();
        std::optional<std::string> text = ExactTextOfPath(entry);
        if (text && FoldCase(*text) == folded) matches.push_back(std::move(entry));
    }
    if (!matches.empty()) return folder / *std::min_element(matches.begin(), matches.end());
#endif
    return exact;
}

fs::path FindInFolder(const fs::path& folder, std::string_view name) { return FindNameInFolder(folder, PathOfText(name)); }

fs::path MakeGameFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path absolute = fs::absolute(folder, ec);
    if (ec) absolute = folder;
    absolute = absolute.lexically_normal();
    // "/games/x/." normalises to "/games/x/": without the trailing separator
    // the folder is a prefix of the paths built from it.
    if (!absolute.has_filename() && absolute.has_relative_path()) absolute = absolute.parent_path();
    return absolute;
}

fs::path ResolveGamePath(const fs::path& folder, std::string_view relative) {
    fs::path result = folder;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t stop = relative.find_first_of("\\/", start);
        if (stop == std::string_view::npos) stop = relative.size();
        std::string_view component = relative.substr(start, stop - start);
        if (!component.empty() && component != ".") result = FindInFolder(result, component);
        start = stop + 1;
    }
    return result;
}

fs::path ResolvePath(const fs::path& folder, const fs::path& relative) {
    fs::path result = folder;
    for (const fs::path& component : relative)
        if (!component.empty() && component != ".") result = FindNameInFolder(result, component);
    return result;
}

fs::path LookUpGamePath(const fs::path& base, std::string_view path) {
    return LookUpPath(base, PathOfText(NativePath(path)));
}

fs::path LookUpPath(const fs::path& base, const fs::path& path) {
    if (path.is_absolute()) return ResolvePath(path.root_path(), path.relative_path());
    return ResolvePath(base, path);
}

std::string NativePath(std::string_view gamePath) {
    std::string native(gamePath);
#ifndef _WIN32
    std::replace(native.begin(), native.end(), '\\', '/');
#endif
    return native;
}

fs::path DefaultWinePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / ".wine";
}

fs::path ResolveDrivePath(std::string_view windowsPath, const fs::path& winePrefix) {
#ifdef _WIN32
    (void)winePrefix;
    return PathOfText(windowsPath);
#else
    std::string drive = "drive_c";
    if (windowsPath.size() >= 2 && windowsPath[1] == ':' && std::isalpha(static_cast<unsigned char>(windowsPath[0]))) {
        drive.back() = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
        windowsPath.remove_prefix(2);
    }
    return ResolveGamePath(FindInFolder(winePrefix, drive), windowsPath);
#endif
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    // A pipe or device is refused before it is opened: opening a pipe
    // without a writer would block.
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    if (in.gcount() != size) return std::nullopt;
    return bytes;
}

}  // namespace sced

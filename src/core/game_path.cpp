#include "core/game_path.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

namespace sced {

namespace fs = std::filesystem;

namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

fs::path WithCaseFallback(const fs::path& folder, const std::string& component) {
    std::error_code ec;
    fs::path exact = folder / component;
    if (fs::exists(exact, ec)) return exact;
#ifndef _WIN32
    std::vector<std::string> matches;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (EqualIgnoringAsciiCase(name, component)) matches.push_back(name);
    }
    if (!matches.empty()) return folder / *std::min_element(matches.begin(), matches.end());
#endif
    return exact;
}

}  // namespace

fs::path MakeGameFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path absolute = fs::absolute(folder, ec);
    if (ec) absolute = folder;
    return absolute.lexically_normal();
}

fs::path ResolveGamePath(const fs::path& gameFolder, std::string_view relative) {
    fs::path result = gameFolder;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t stop = relative.find_first_of("\\/", start);
        if (stop == std::string_view::npos) stop = relative.size();
        std::string component(relative.substr(start, stop - start));
        if (!component.empty() && component != ".") result = WithCaseFallback(result, component);
        start = stop + 1;
    }
    return result;
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return std::nullopt;
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

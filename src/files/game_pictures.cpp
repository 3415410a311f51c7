#include "files/game_pictures.h"

#include <algorithm>
#include <cctype>

#include "core/game_path.h"
#include "core/path_text.h"

namespace sced {

namespace {

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lowered;
}

}  // namespace

void GamePictures::Scan(const std::filesystem::path& folder) {
    std::vector<File> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        // The pages file names the picture in the game's code page.
        std::optional<std::string> exactName = ExactTextOfPath(it->path().filename());
        std::string name = exactName ? *exactName : TextOfPath(it->path().filename());
        if (Lowered(TextOfPath(it->path().extension())) != ".gp" || !it->is_regular_file(ec)) continue;
        auto known = std::find_if(files_.begin(), files_.end(), [&](const File& f) { return f.path == it->path(); });
        if (known != files_.end()) {
            found.push_back(std::move(*known));
            continue;
        }
        File file{name, it->path(), std::nullopt, {}};
        if (!exactName)
            file.why = "its name holds a character that the game's code page 1251 cannot hold";
        else if (std::optional<std::string> bytes = ReadWholeFile(file.path))
            file.parsed = GpFile::Parse(std::move(*bytes), file.why);
        else
            file.why = "it cannot be read";
        found.push_back(std::move(file));
    }
    std::sort(found.begin(), found.end(), [](const File& a, const File& b) {
        return std::pair(Lowered(a.name), a.name) < std::pair(Lowered(b.name), b.name);
    });
    files_ = std::move(found);
}

void GamePictures::SetWinePrefix(std::filesystem::path prefix) {
    winePrefix_ = std::move(prefix);
    palettes_.clear();
    decoded_.clear();
}

void GamePictures::SetGround(GpImage ground) {
    ground_ = std::move(ground);
    decoded_.clear();
}

int GamePictures::Find(std::string_view name) const {
    std::string wanted = Lowered(name);
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (Lowered(files_[i].name) == wanted) return static_cast<int>(i);
    return -1;
}

const GpImage* GamePictures::Picture(int file, int index) {
    if (file < 0 || file >= static_cast<int>(files_.size())) return nullptr;
    const File& f = files_[static_cast<std::size_t>(file)];
    if (index < 0 || index >= f.count()) return nullptr;
    auto key = std::pair(f.path, index);
    auto found = decoded_.find(key);
    if (found == decoded_.end())
        found = decoded_.emplace(key, f.parsed->Decode(index, PaletteOf(f.parsed->paletteNumber()), &ground_)).first;
    return &found->second;
}

const Palette& GamePictures::PaletteOf(int number) {
    auto found = palettes_.find(number);
    // A missing palette warns once, not at every picture that needs it.
    if (found == palettes_.end()) found = palettes_.emplace(number, LoadPalette(number, winePrefix_)).first;
    return found->second;
}

}  // namespace sced

#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/gp_picture.h"

namespace sced {

// The game's briefing pictures: every ".gp" file of a folder, each read
// once, and each picture decoded the first time it is asked for and kept
// (a failed one too, with its reason), so a folder of hundreds of files
// costs nothing until a picture is shown.
class GamePictures {
public:
    struct File {
        std::string name;  // as on disk: "Coast.gp"
        std::filesystem::path path;
        std::optional<GpFile> parsed;
        std::string why;  // why it could not be read
        int count() const { return parsed ? parsed->pictureCount() : 0; }
    };

    // Lists the folder anew, sorted by name ignoring case; files already
    // read are kept with their pictures.
    void Scan(const std::filesystem::path& folder);
    // The palettes are looked up under this prefix from now on.
    void SetWinePrefix(std::filesystem::path prefix);
    // The pictures are decoded onto this ground from now on.
    void SetGround(GpImage ground);

    const std::vector<File>& files() const { return files_; }
    // The file of that name, ignoring case; -1 when none.
    int Find(std::string_view name) const;
    // Picture index of file; null outside the files and their pictures.
    const GpImage* Picture(int file, int index);

private:
    const Palette& PaletteOf(int number);

    std::vector<File> files_;
    std::filesystem::path winePrefix_;
    GpImage ground_;
    std::map<int, Palette> palettes_;
    std::map<std::pair<std::filesystem::path, int>, GpImage> decoded_;
};

}  // namespace sced

#include "support/game_folder.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <regex>
#include <stdexcept>

#include "core/path_text.h"

namespace sced::test {

namespace fs = std::filesystem;

fs::path DemoGame() { return fs::path(SCED_DEMO_GAME); }

TempGameFolder::TempGameFolder(Contents contents, std::string_view nameStart) {
    static std::atomic<int> counter{0};
    std::random_device random;
    path_ = fs::temp_directory_path() /
            PathOfText(std::string(nameStart) + std::to_string(random()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
    if (contents == kDemoCopy) fs::copy(DemoGame(), path_, fs::copy_options::recursive);
}

TempGameFolder::~TempGameFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path TempGameFolder::File(std::string_view relative) const {
    std::string native(relative);
    std::ranges::replace(native, '\\', '/');
    return (path_ / PathOfText(native)).make_preferred();
}

void TempGameFolder::Write(std::string_view relative, std::string_view bytes) const {
    fs::path file = File(relative);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string TempGameFolder::Read(std::string_view relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void TempGameFolder::Remove(std::string_view relative) const { fs::remove(File(relative)); }

std::vector<fs::path> TempGameFolder::Entries() const {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::recursive_directory_iterator(path_)) entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool TempGameFolder::HasStagingLeftovers() const {
    return std::ranges::any_of(Entries(), [](const fs::path& entry) {
        // A save's own files: "NAME.<number>.tmp" and "NAME.<number>.bak".
        static const std::regex staging(R"(.*\.[0-9]+\.(tmp|bak))");
        return std::regex_match(entry.filename().string(), staging);
    });
}

WarningRecorder::WarningRecorder()
    : previous_(SetWarningSink([this](const std::string& text) { texts.push_back(text); })) {}

WarningRecorder::~WarningRecorder() { SetWarningSink(std::move(previous_)); }

}  // namespace sced::test

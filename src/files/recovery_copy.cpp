#include "files/recovery_copy.h"

#include <charconv>
#include <cstdint>
#include <ctime>

#include "core/file_write.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/text_reader.h"
#include "core/path_text.h"
#include "files/map_reader.h"
#include "files/mission_package.h"
#include "files/scramble.h"
#include "files/script_writer.h"
#include "model/page_table.h"
#include "model/scenario.h"

namespace sced {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNoteFile = "note.txt";
constexpr std::string_view kHeading = "Tarvossa Scenario Editor recovery copy";

// FNV-1a: enough to tell a file of the copy that a kill cut short.
std::uint64_t Hash(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex(std::uint64_t value) {
    char text[17] = {};
    auto end = std::to_chars(text, text + 16, value, 16).ptr;
    return std::string(text, end);
}

std::string LocalTime(const char* format) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32] = {};
    std::strftime(text, sizeof text, format, &local);
    return text;
}

// The files a note lists, with what they must hold.
struct ListedFile {
    std::string name;
    std::uintmax_t size = 0;
    std::uint64_t hash = 0;
};

struct Note {
    RecoveryNote note;
    std::vector<ListedFile> files;
};

template <class T>
bool ParseNumber(std::string_view text, T& value, int base) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

std::optional<Note> ParseNote(std::string_view text) {
    Note note;
    bool headed = false;
    while (!text.empty()) {
        std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        std::size_t blank = line.find(' ');
        std::string_view key = line.substr(0, blank);
        std::string_view value = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (line == kHeading) {
            headed = true;
        } else if (key == "mission") {
            note.note.missionName = value;
        } else if (key == "map") {
            note.note.mapPath = value;
        } else if (key == "time") {
            note.note.time = value;
        } else if (key == "file") {
            // "file SIZE HASH NAME": the name last, since it may hold blanks.
            std::size_t second = value.find(' ');
            std::size_t third = value.find(' ', second == std::string_view::npos ? value.size() : second + 1);
            ListedFile file;
            if (third == std::string_view::npos || !ParseNumber(value.substr(0, second), file.size, 10) ||
                !ParseNumber(value.substr(second + 1, third - second - 1), file.hash, 16))
                return std::nullopt;
            file.name = value.substr(third + 1);
            note.files.push_back(std::move(file));
        }
    }
    if (!headed || note.note.missionName.empty() || note.note.mapPath.empty() || note.files.empty())
        return std::nullopt;
    return note;
}

std::optional<Note> ReadNote(const fs::path& folder) {
    std::optional<std::string> text = ReadWholeFile(folder / kNoteFile);
    if (!text) return std::nullopt;
    return ParseNote(*text);
}

Scenario& MissionToKeep(Scenario& scenario) {
    Check(!scenario.missionName.empty() && !scenario.mapFolder.empty(), "There is no mission to keep.");
    return scenario;
}

}  // namespace

RecoverySnapshotBuilder::RecoverySnapshotBuilder(Scenario& scenario)
    : scenario_(scenario), script_(MissionToKeep(scenario)) {}

bool RecoverySnapshotBuilder::Step(std::chrono::steady_clock::duration time) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (!script_.done()) {
        // The clock is read every few triggers: a trigger takes microseconds.
        for (int i = 0; i < 16 && !script_.done(); ++i) script_.WriteNext();
        if (std::chrono::steady_clock::now() >= end && !script_.done()) return false;
    }
    Scenario& scenario = scenario_;
    snapshot_.gameFolder = TextOfPath(scenario.gameFolder);
    snapshot_.missionName = scenario.missionName;
    snapshot_.mapPath = GamePathOf(scenario, MapPathOf(scenario));
    snapshot_.time = LocalTime("%Y-%m-%d %H:%M");
    snapshot_.script = script_.Finish();
    snapshot_.descriptor = DescriptorText(scenario);
    // The pages file writes the pages of the script's page calls.
    PageTable pages = script_.pages();
    {
        LentPageTable lent(pages);
        snapshot_.pages = PagesText(scenario);
    }
    snapshot_.description = scenario.description;
    snapshot_.picture = scenario.heldPicture;
    return true;
}

RecoverySnapshot TakeRecoverySnapshot(Scenario& scenario) {
    RecoverySnapshotBuilder builder(scenario);
    builder.Step(std::chrono::hours(1));
    return builder.Take();
}

fs::path RecoveryFolder(const fs::path& root, const fs::path& gameFolder) {
    return root / ("game-" + Hex(Hash(gameFolder.generic_string())));
}

bool WriteRecoveryCopy(const fs::path& folder, const RecoverySnapshot& snapshot, std::error_code* why) {
    const std::string& name = snapshot.missionName;
    std::string script = WithCrLf(snapshot.script);
    Scramble(script);
    std::vector<std::pair<std::string, std::string>> files = {{name + ".add", WithCrLf(snapshot.descriptor)},
                                                              {name + ".cms", std::move(script)},
                                                              {name + ".txt", WithCrLf(snapshot.pages)},
                                                              {name + ".dsc", WithCrLf(snapshot.description)}};
    if (snapshot.picture) files.emplace_back(name + ".bmp", *snapshot.picture);
    std::error_code ec;
    fs::create_directories(folder, ec);
    std::string note = std::string(kHeading) + "\ngame " + snapshot.gameFolder + "\nmission " + name + "\nmap " +
                       snapshot.mapPath + "\ntime " + snapshot.time + "\n";
    StagedFiles staged;
    bool ok = true;
    for (const auto& [file, bytes] : files) {
        note += "file " + std::to_string(bytes.size()) + " " + Hex(Hash(bytes)) + " " + file + "\n";
        ok = ok && staged.Stage(folder / PathOfText(file), bytes);
    }
    // The note goes last: a copy cut short by a kill has files its note does
    // not describe, and is reported, never restored half.
    if (!ok || !staged.Stage(folder / kNoteFile, note) || !staged.Commit()) {
        if (why) *why = staged.error() ? staged.error() : std::make_error_code(std::errc::io_error);
        return false;
    }
    // What an earlier copy (of another mission, or with a picture) left.
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string file = TextOfPath(it->path().filename());
        bool listed = file == kNoteFile;
        for (const auto& kept : files) listed = listed || kept.first == file;
        std::error_code ignored;
        if (!listed && it->is_regular_file(ignored)) fs::remove(it->path(), ignored);
    }
    return true;
}

void RemoveRecoveryCopy(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
}

bool RecoveryCopyExists(const fs::path& folder) {
    std::error_code ec;
    return fs::exists(folder / kNoteFile, ec);
}

std::optional<RecoveryNote> ReadRecoveryNote(const fs::path& folder) {
    std::optional<Note> note = ReadNote(folder);
    if (!note) return std::nullopt;
    return note->note;
}

void OpenRecoveryCopy(Scenario& scenario, const fs::path& folder) {
    const std::string where = "The recovery copy in " + TextOfPath(folder);
    std::optional<Note> note = ReadNote(folder);
    Check(note.has_value(), where + " has no note that can be read.");
    for (const ListedFile& file : note->files) {
        std::optional<std::string> bytes = ReadWholeFile(folder / PathOfText(file.name));
        Check(bytes && bytes->size() == file.size && Hash(*bytes) == file.hash,
              where + " is damaged: " + file.name + " is not what the copy wrote.");
    }
    Check(OpenMission(scenario, note->note.mapPath, true),
          where + " is of a map that cannot be read: " + note->note.mapPath + ".");
    Check(scenario.missionName == note->note.missionName,
          where + " is of the mission " + note->note.missionName + ", but its map is now of " +
              scenario.missionName + ".");
    MissionPaths paths = PathsOf(scenario);
    scenario.picturePath = paths.picture;
    const std::string& name = scenario.missionName;
    MissionPaths copy = paths;
    copy.descriptor = folder / PathOfText(name + ".add");
    copy.script = folder / PathOfText(name + ".cms");
    copy.pages = folder / PathOfText(name + ".txt");
    copy.description = folder / PathOfText(name + ".dsc");
    for (const fs::path& file : {copy.descriptor, copy.script, copy.pages, copy.description}) {
        std::error_code ec;
        Check(fs::is_regular_file(file, ec), where + " is damaged: " + TextOfPath(file.filename()) + " is missing.");
    }
    ReadPackageFiles(scenario, copy);
    Check(!scenario.scriptUnread, where + " is damaged: its script cannot be read.");
    std::error_code ec;
    if (const fs::path picture = folder / PathOfText(name + ".bmp"); fs::exists(picture, ec))
        scenario.heldPicture = ReadWholeFile(picture);
}

fs::path SetRecoveryCopyAside(const fs::path& folder) {
    fs::path aside = folder;
    aside += "-kept-" + LocalTime("%Y%m%d-%H%M%S");
    std::error_code ec;
    fs::rename(folder, aside, ec);
    return ec ? folder : aside;
}

}  // namespace sced

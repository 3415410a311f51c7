#include "files/mission_package.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "core/game_path.h"
#include "core/path_text.h"
#include "core/scenario_error.h"
#include "core/text_reader.h"
#include "core/warning.h"
#include "files/map_reader.h"
#include "files/scramble.h"
#include "files/script_parser.h"
#include "model/scenario.h"
#include "model/written_names.h"

namespace sced {

namespace fs = std::filesystem;

namespace {


std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

// The base name of a path or name: no folder, no extension.
std::string BaseName(std::string_view nameOrPath) {
    std::size_t slash = nameOrPath.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? nameOrPath : nameOrPath.substr(slash + 1);
    return std::string(name.substr(0, name.rfind('.')));
}

bool ExtensionIs(const fs::path& file, std::string_view extension) {
    std::string own = TextOfPath(file.extension());
    std::transform(own.begin(), own.end(), own.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return own == extension;
}

// Each "{letter}" entry on its own: the even letters carry the names, the
// odd ones their "~name~" forms, so a missing entry shifts nothing.
void ReadObjectiveNames(Scenario& scenario, std::string_view text) {
    StringList& objectives = scenario.objectGroups.GetGroup("objectives");
    std::size_t pagesStart = std::min(FindAtLineStart(text, "#PAGE"), text.size());
    for (std::size_t entry = text.find('{'); entry < pagesStart;) {
        std::size_t lineEnd = std::min(text.find_first_of("\r\n", entry), text.size());
        if (entry + 3 <= lineEnd && text[entry + 2] == '}') {
            int letter = static_cast<unsigned char>(text[entry + 1]) - 'A';
            if (letter >= 0 && letter % 2 == 0 && objectives.Contains(letter / 2))
                objectives[letter / 2] = text.substr(entry + 3, lineEnd - entry - 3);
        }
        entry = text.find('{', lineEnd);
    }
}

// The picture file's name without its ".gp", as a page's line names it;
// "Camp.v2.gp" is "Camp.v2".
std::string_view WithoutGpExtension(std::string_view name) {
    if (name.size() >= 3 && name.substr(name.size() - 3, 1) == "." && (name[name.size() - 2] | 0x20) == 'g' &&
        (name[name.size() - 1] | 0x20) == 'p')
        name.remove_suffix(3);
    return name;
}

// The picture file a page's line names: its last path component with ".gp".
std::string PictureFileOf(std::string_view path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(WithoutGpExtension(name)) + ".gp";
}

void ReadPages(std::string_view text) {
    for (std::size_t at = FindAtLineStart(text, "#PAGE"); at != std::string_view::npos;) {
        std::size_t next = FindAtLineStart(text, "#", at + 1);
        std::size_t end = next == std::string_view::npos ? text.size() : next;
        std::string_view page = text.substr(at + 5, end - at - 5);
        std::size_t i = 0;
        while (i < page.size() && page[i] >= '0' && page[i] <= '9') ++i;  // the index, not used
        if (i < page.size()) ++i;                                         // the blank
        std::size_t pathEnd = page.find_first_of(" \r\n", i);
        if (pathEnd == std::string_view::npos) pathEnd = page.size();
        std::string_view path = page.substr(i, pathEnd - i);
        std::size_t lineEnd = page.find_first_of("\r\n", pathEnd);
        if (lineEnd == std::string_view::npos) lineEnd = page.size();
        PageRecord record;
        record.number = ParseInteger(page.substr(pathEnd, lineEnd - pathEnd));
        // One line break ends the header line; the body may begin with digits.
        std::size_t body = lineEnd;
        if (body < page.size() && page[body] == '\r') ++body;
        if (body < page.size() && page[body] == '\n') ++body;
        record.picture = PictureFileOf(path);
        record.body = WithoutBreaks(page.substr(body));
        Pages().Append(record);
        at = next == std::string_view::npos ? next : FindAtLineStart(text, "#PAGE", next);
    }
}

}  // namespace

std::string WithoutBreaks(std::string_view body) {
    std::string out;
    for (char c : body)
        if (c != '\n' && c != '\r' && c != '\t') out += c;
    return out;
}

std::string GamePathOf(const Scenario& scenario, const fs::path& file) {
    fs::path::string_type game = scenario.gameFolder.native();
    while (game.size() > 1 && (game.back() == '/' || game.back() == fs::path::preferred_separator)) game.pop_back();
    const fs::path::string_type& path = file.native();
    fs::path written = file;
    if (!game.empty() && path.size() > game.size() && path.compare(0, game.size(), game) == 0 &&
        (path[game.size()] == '/' || path[game.size()] == fs::path::preferred_separator))
        written = path.substr(game.size() + 1);
    std::optional<std::string> text = ExactTextOfPath(written);
    Check(text.has_value(), "The path " + TextOfPath(written) +
                                " cannot be written into the game's files: it holds a character that the game's "
                                "code page 1251 cannot hold.");
    std::replace(text->begin(), text->end(), '/', '\\');
    return std::move(*text);
}

MissionPaths PathsOf(const Scenario& scenario) {
    MissionPaths paths;
    const std::string& name = scenario.missionName;
    paths.userMissions = ResolveGamePath(scenario.gameFolder, "UserMissions");
    paths.descriptor = FindInFolder(paths.userMissions, name + ".add");
    paths.folder = FindInFolder(paths.userMissions, name);
    paths.script = FindInFolder(paths.folder, name + ".cms");
    paths.pages = FindInFolder(paths.folder, name + ".txt");
    paths.description = FindInFolder(paths.folder, name + ".dsc");
    paths.strings = FindInFolder(paths.folder, name + ".str");
    paths.picture = FindInFolder(paths.folder, name + ".bmp");
    return paths;
}

std::string ScriptReference(const Scenario& scenario) {
    return "UserMissions\\" + scenario.missionName + "\\" + scenario.missionName + ".cms";
}

std::string DescriptorText(const Scenario& scenario) {
    return scenario.title + "\n" + GamePathOf(scenario, MapPathOf(scenario)) + "\n" + ScriptReference(scenario) +
           "\n";
}

std::string PagesText(const Scenario& scenario) {
    std::string text = "#BRIEFING faces 0\n";
    const int objectives = scenario.objectGroups.GetGroup("objectives").count();
    char letter = 'A';
    for (int i = 0; i < objectives; ++i) {
        std::string objective = WrittenName(scenario, "objectives", i);
        text += std::string("{") + letter++ + "}" + objective + "\n";
        text += std::string("{") + letter++ + "}~" + objective + "~\n";
    }
    for (int i = 0; i < Pages().size(); ++i) {
        const PageRecord& page = Pages().At(i);
        text += "#PAGE" + std::to_string(i) + " Missions\\Pictures\\" + std::string(WithoutGpExtension(page.picture)) +
                " " + std::to_string(page.number) + "\n" + WithoutBreaks(page.body) + "\n";
    }
    return text;
}

void CheckObjectiveNames(const Scenario& scenario) {
    const int objectives = scenario.objectGroups.GetGroup("objectives").count();
    for (int i = 0; i < objectives; ++i) {
        std::string name = WrittenName(scenario, "objectives", i);
        Check(name.find_first_of("\r\n") == std::string::npos && !name.starts_with('#'),
              "The objective name \"" + name + "\" cannot be written to the mission pages file.");
    }
}

void ParsePagesFile(Scenario& scenario, std::string_view text) {
    ReadObjectiveNames(scenario, text);
    ReadPages(text);
}

void ReadMissionFiles(Scenario& scenario) {
    MissionPaths paths = PathsOf(scenario);
    scenario.picturePath = paths.picture;
    ReadPackageFiles(scenario, paths);
}

void ReadPackageFiles(Scenario& scenario, const MissionPaths& paths) {
    scenario.scriptText = ReadWholeFile(paths.script);
    if (scenario.scriptText) Scramble(*scenario.scriptText);
    auto descriptor = ReadWholeFile(paths.descriptor);
    if (!descriptor) {
        scenario.scriptText.reset();
        return;
    }
    scenario.title = FirstLine(*descriptor);
    if (auto description = ReadWholeFile(paths.description)) {
        std::string_view text = *description;
        scenario.description = CrLfToLf(text.substr(0, text.find('\0')));
    }
    Pages().Clear();
    if (auto pages = ReadWholeFile(paths.pages)) ParsePagesFile(scenario, *pages);
    ParseScript(scenario);
    scenario.objectGroups.UniquifyDynGroups();
    // Labels, renamed groups and unique names: every text must show them.
    scenario.triggers.UpdateText(scenario);
}

bool OpenMission(Scenario& scenario, std::string_view mapPath, bool mapOnly) {
    scenario.ResetGroups();
    scenario.leftOut.clear();
    scenario.scriptUnread = false;
    scenario.readingChanges.clear();
    scenario.heldPicture.reset();
    bool read = ReadMap(scenario, mapPath);
    if (read) {
        scenario.objectGroups.RecordMapCounts();
        if (MapOutsideGameFolder(scenario))
            Warn(false, "The mission's map lies outside the game folder:\n" + TextOfPath(MapPathOf(scenario)) +
                            "\nA save writes the mission's path into that map only when you confirm it.");
        if (!mapOnly) ReadMissionFiles(scenario);
    }
    scenario.objectGroups.mapLoaded = read;
    scenario.modified = false;
    return read;
}

bool MapOutsideGameFolder(const Scenario& scenario) {
    fs::path relative = MapPathOf(scenario).lexically_normal().lexically_relative(
        scenario.gameFolder.lexically_normal());
    return relative.empty() || *relative.begin() == "..";
}

bool NewMission(Scenario& scenario, std::string_view mapPath) {
    if (!OpenMission(scenario, mapPath, true)) return false;
    scenario.title = scenario.missionName;
    scenario.ResetGroups();
    scenario.objectGroups.RecordMapCounts();
    scenario.picturePath = PathsOf(scenario).picture;
    return true;
}

void RefreshFromMap(Scenario& scenario) {
    if (!scenario.objectGroups.mapLoaded) return;
    ObjectGroups& groups = scenario.objectGroups;
    const StringList zones = groups.GetGroup("zones");
    const StringList mapGroups = groups.GetGroup("groups");
    // A map that cannot be read now changes nothing; one whose names are
    // the same (the usual case) costs nothing more.
    if (!ReadMap(scenario, "")) return;
    auto same = [](const StringList& a, const StringList& b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); };
    if (same(zones, groups.GetGroup("zones")) && same(mapGroups, groups.GetGroup("groups"))) return;
    std::size_t lostBefore = LostMapReferences(scenario).size();
    scenario.CheckMapReferences();
    scenario.triggers.UpdateText(scenario);
    std::vector<std::string> lost = LostMapReferences(scenario);
    if (lost.size() <= lostBefore) return;
    std::string list;
    for (const std::string& call : lost) list += "\n" + call;
    Warn(false, "These commands name zones or groups that the map no longer has. They keep those names, also "
                "when saved and opened again, until the map has the names again or other ones are chosen:" + list);
}

std::string DescriptorMapPath(std::string_view descriptor) {
    std::size_t second = FirstLine(descriptor).size();
    std::size_t lineBreak = second;
    if (second < descriptor.size() && descriptor[second] == '\r') ++second;
    if (second < descriptor.size() && descriptor[second] == '\n') ++second;
    return second > lineBreak ? NativePath(FirstLine(descriptor.substr(second))) : std::string();
}

std::vector<MissionEntry> ListMissions(const Scenario& scenario) {
    std::vector<MissionEntry> missions;
    fs::path folder = ResolveGamePath(scenario.gameFolder, "UserMissions");
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        if (!ExtensionIs(file, ".add") || !it->is_regular_file(ec)) continue;
        auto bytes = ReadWholeFile(file);
        if (!bytes) continue;
        std::string_view text = *bytes;
        MissionEntry entry;
        entry.title = FirstLine(text);
        entry.mapPath = DescriptorMapPath(text);
        entry.descriptor = file;
        missions.push_back(std::move(entry));
    }
    std::sort(missions.begin(), missions.end(),
              [](const MissionEntry& a, const MissionEntry& b) { return a.descriptor < b.descriptor; });
    return missions;
}

fs::path FindMissionDescriptor(const Scenario& scenario, std::string_view nameOrPath) {
    return FindMissionDescriptor(scenario.gameFolder, nameOrPath);
}

fs::path FindMissionDescriptor(const fs::path& gameFolder, std::string_view nameOrPath) {
    std::string native = NativePath(nameOrPath);
    fs::path given = PathOfText(native);
    std::error_code ec;
    fs::path found;
    if (!native.empty() && ExtensionIs(given, ".add")) {
        found = LookUpPath(".", given);
        // A bare "NAME.add" that is not in the current folder is the mission's.
        if (!fs::is_regular_file(found, ec) && !given.has_parent_path())
            found = FindInFolder(ResolveGamePath(gameFolder, "UserMissions"), native);
    } else if (!native.empty() && !given.has_parent_path()) {
        found = FindInFolder(ResolveGamePath(gameFolder, "UserMissions"), native + ".add");
    }
    Check(!found.empty() && fs::is_regular_file(found, ec), "There is no mission " + std::string(nameOrPath) + ".");
    return found;
}

void DeleteMission(const fs::path& descriptor) {
    std::error_code ec;
    Check(fs::remove(descriptor, ec), "The mission descriptor " + TextOfPath(descriptor) + " cannot be deleted.");
}

bool MissionFolderExists(const Scenario& scenario, std::string_view nameOrPath) {
    std::error_code ec;
    return fs::is_directory(FindInFolder(ResolveGamePath(scenario.gameFolder, "UserMissions"), BaseName(nameOrPath)),
                            ec);
}

bool MissionFilesExist(const Scenario& scenario, std::string_view nameOrPath) {
    std::error_code ec;
    fs::path userMissions = ResolveGamePath(scenario.gameFolder, "UserMissions");
    return fs::exists(FindInFolder(userMissions, BaseName(nameOrPath) + ".add"), ec) ||
           MissionFolderExists(scenario, nameOrPath);
}

}  // namespace sced

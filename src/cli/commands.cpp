#include "cli/commands.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/file_write.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/scenario_error.h"
#include "core/warning.h"
#include "editing/mission_diff.h"
#include "editing/mission_problems.h"
#include "editing/replace_uses.h"
#include "editing/scenario_tree.h"
#include "files/bitmap_file.h"
#include "files/gp_picture.h"
#include "files/map_reader.h"
#include "files/palette.h"
#include "files/mission_package.h"
#include "files/other_mission.h"
#include "files/script_check.h"
#include "model/command_tree.h"

namespace sced::cli {

namespace {

std::string_view FormName(std::int32_t form) {
    switch (form) {
        case FormCall: return "call";
        case FormNot: return "not";
        case FormAssign: return "assign";
        case FormCompare: return "compare";
        default: return "?";
    }
}

std::string ArgumentField(const Template& function, std::size_t i) {
    switch (function.argKind[i]) {
        case KindGroup: return "group:" + function.argGroup[i];
        case KindConst: return "const:" + std::to_string(function.argConst[i]);
        case KindChInt:
            return "chint:" + std::to_string(function.argLow[i]) + ".." +
                   (function.argHigh[i] == -1 ? std::string("max") : std::to_string(function.argHigh[i]));
        case KindGroupNumber: return "number:" + function.argGroup[i];
    }
    return "?";
}

}  // namespace

void PrintFunctions(const Scenario& scenario, Output& out) {
    for (const Template& function : scenario.functions) {
        std::string line = function.isCondition ? "C" : "A";
        line += '\t' + function.menuGroup + '\t' + function.name + '\t' +
                std::string(FormName(function.form));
        std::string defaults;
        for (std::size_t i = 0; i < static_cast<std::size_t>(function.argCount); ++i) {
            line += '\t' + ArgumentField(function, i);
            if (i > 0) defaults += '|';
            defaults += function.argDefText[i];
        }
        line += '\t' + defaults + '\t' + function.text + '\t' + function.listText;
        out.Line(line);
    }
}

void PrintGroups(const Scenario& scenario, Output& out) {
    for (const ObjectGroup& group : scenario.objectGroups) {
        out.Line("#" + group.name + '\t' + (group.renamable ? "renamable" : "fixed") + '\t' +
                 std::to_string(group.items.count()));
        for (const std::string& item : group.items) out.Line('\t' + item);
    }
}

void PrintLists(const Scenario& scenario, Output& out) {
    for (const Formation& formation : scenario.lists.formations)
        out.Line("formation " + formation.name + ' ' + std::to_string(formation.rows) + 'x' +
                 std::to_string(formation.columns));
    for (const UnitCategory& category : scenario.lists.unitCategories)
        for (const UnitType& unit : category.units)
            out.Line("unit " + category.name + '(' + category.code + ") " + unit.id + ' ' + unit.title);
    for (const UnitCategory& category : scenario.lists.unitCategories)
        for (const UnitType& unit : category.units)
            for (const Upgrade& upgrade : unit.upgrades)
                out.Line("upgrade " + category.name + ' ' + unit.id + ' ' + upgrade.id + ' ' +
                         upgrade.title);
}

void PrintMap(const std::filesystem::path& folder, const std::string& mapPath, Output& out) {
    std::filesystem::path file = LookUpGamePath(folder, mapPath);
    auto bytes = ReadWholeFile(file);
    Check(bytes.has_value(), "The map " + mapPath + " cannot be read.");
    std::optional<MapContents> contents = ParseMap(*bytes);
    Check(contents.has_value(), "The map " + mapPath + " is corrupt.");
    for (const std::string& zone : contents->zones) out.Line("zone " + zone);
    for (const std::string& group : contents->groups) out.Line("group " + group);
}

void WritePicture(const std::filesystem::path& pictureFile, int number, const std::filesystem::path& bitmap,
                  const std::filesystem::path& winePrefix) {
    auto bytes = ReadWholeFile(pictureFile);
    Check(bytes.has_value(), "The picture file " + TextOfPath(pictureFile) + " cannot be read.");
    std::string why;
    std::optional<GpFile> file = GpFile::Parse(std::move(*bytes), why);
    Check(file.has_value(), "The picture file " + TextOfPath(pictureFile) + " is corrupt: " + why);
    Check(number >= 1 && number <= file->pictureCount(),
          "The picture file " + TextOfPath(pictureFile) + " holds " + std::to_string(file->pictureCount()) +
              " pictures; there is no picture " + std::to_string(number) + ".");
    GpImage image = file->Decode(number - 1, LoadPalette(file->paletteNumber(), winePrefix));
    Warn(!image.failed(), image.failure + " What was drawn is written.");
    std::error_code reason;
    if (!WriteFileAtomically(bitmap, BitmapFileBytes(image.width, image.height, image.rgb), &reason))
        Fail("Cannot write " + TextOfPath(bitmap) + ": " + reason.message() + ".");
}

void PrintMissions(const Scenario& scenario, Output& out) {
    for (const MissionEntry& mission : ListMissions(scenario)) out.Line(mission.title + '\t' + mission.mapPath);
}

namespace {
void PrintNodes(const Tree& tree, int depth, Output& out) {
    for (const TreeNode& node : tree) {
        out.Line(std::string(static_cast<std::size_t>(depth) * 2, ' ') + node.text);
        PrintNodes(node.children, depth + 1, out);
    }
}
}  // namespace

void PrintTreeNodes(const Tree& tree, Output& out) { PrintNodes(tree, 0, out); }

void PrintTree(Scenario& scenario, Output& out) { PrintNodes(BuildScenarioTree(scenario), 0, out); }

std::string PathWords(const TreePath& path) {
    std::string words;
    for (int level = 0; level < PathDepth(path); ++level)
        words += (level ? " " : "") + std::to_string(path[static_cast<std::size_t>(level)]);
    return words;
}

void PrintPlaces(const std::vector<MissionPlace>& places, Output& out) {
    for (const MissionPlace& place : places) out.Line(PathWords(place.path) + '\t' + place.text);
}

void PrintUses(const std::vector<ThingUses>& uses, Output& out) {
    for (const ThingUses& thing : uses) {
        out.Line(thing.heading);
        if (thing.uses.empty()) out.Line("  not used");
        for (const MissionPlace& use : thing.uses) out.Line("  " + PathWords(use.path) + '\t' + use.text);
    }
}

void PrintUsesOfName(const Scenario& scenario, const std::string& name, Output& out) {
    std::vector<NamedThing> things = ThingsNamed(scenario, name);
    Check(!things.empty(), "The mission has nothing named " + name + ".");
    PrintUses(UsesOfAll(scenario, things), out);
}

int ReplaceNamedUses(Scenario& scenario, const std::string& from, const std::string& to) {
    ReplaceNames names = FindReplaceNames(scenario, from, to);
    Check(names.problem.empty(), "Nothing is replaced: " + names.problem + ".");
    int commands = CommandsReplaced(scenario, names.from, names.to);
    if (std::unique_ptr<EditStep> step = ReplaceUsesStep(scenario, names.from, names.to)) {
        step->Redo(scenario);
        scenario.triggers.UpdateText(scenario);
    }
    return commands;
}

std::string CommandCount(int count) { return std::to_string(count) + (count == 1 ? " command" : " commands"); }

int PrintProblems(const Scenario& scenario, Output& out) {
    std::vector<MissionProblem> problems = MissionProblems(scenario);
    for (const MissionProblem& problem : problems) {
        if (problem.command.empty()) {
            out.Line(problem.text);
            continue;
        }
        std::string line;
        for (const std::string& field : problem.command) line += (line.empty() ? "" : "\t") + field;
        out.Line(line);
    }
    return problems.empty() ? 0 : kExitLeftOut;
}

void CheckNothingLost(const Scenario& scenario, const std::string& mission) {
    Check(!scenario.scriptUnread, "The script of the mission " + mission +
                                      " cannot be read; saving would replace it with an empty one. Give --force "
                                      "to save anyway.");
    Check(scenario.leftOut.empty(), "Opening the mission " + mission + " left out " +
                                        std::to_string(scenario.leftOut.size()) +
                                        " commands; saving would lose them. Give --force to save anyway.");
    std::size_t lost = LostMapReferences(scenario).size();
    Check(lost == 0, "The mission " + mission + " has " + std::to_string(lost) +
                         " commands that name zones or groups its map does not have (check lists them); the game "
                         "cannot run them. Give --force to save anyway.");
    CheckMapInGameFolder(scenario);
}

void CheckMapInGameFolder(const Scenario& scenario) {
    Check(!MapOutsideGameFolder(scenario), "The map " + TextOfPath(MapPathOf(scenario)) +
                                               " lies outside the game folder; saving would write into it. Give "
                                               "--force to save anyway.");
}

void CheckNoMissionThere(const Scenario& scenario) {
    Check(!MissionFilesExist(scenario, scenario.missionName),
          "The mission " + scenario.missionName + " exists already. Give --force to replace it.");
}

void DeleteNamedMission(const Scenario& scenario, const std::string& mission) {
    DeleteMission(FindMissionDescriptor(scenario, mission));
}

int PrintDifference(const Scenario& scenario, const std::string& first, const std::string& second,
                    const std::filesystem::path& otherGame, Output& out) {
    auto read = [&](const std::filesystem::path& game, const std::string& mission) {
        std::filesystem::path descriptor = FindMissionDescriptor(game, mission);
        std::unique_ptr<Scenario> opened = OpenOtherMission(scenario, GameFolderOf(descriptor).value_or(game), descriptor);
        return TextForComparison(*opened, TextOfPath(descriptor));
    };
    const MissionText before = read(scenario.gameFolder, first);
    const MissionText after = read(otherGame, second);
    std::vector<std::string> lines = DifferenceLines(CompareMissions(before, after), before, after);
    for (const std::string& line : lines) out.Line(line);
    return lines.empty() ? 0 : 1;
}

std::string MissionMapPath(const Scenario& scenario, const std::string& mission) {
    auto bytes = ReadWholeFile(FindMissionDescriptor(scenario, mission));
    Check(bytes.has_value(), "There is no mission " + mission + ".");
    return DescriptorMapPath(*bytes);
}

void OpenNamedMission(Scenario& scenario, const std::string& mission) {
    Check(OpenMission(scenario, MissionMapPath(scenario, mission), false),
          "The map of the mission " + mission + " cannot be read.");
}

}  // namespace sced::cli

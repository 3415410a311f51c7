#include "cli/commands.h"

#include <string>

#include "core/game_path.h"
#include "core/scenario_error.h"
#include "editing/scenario_tree.h"
#include "files/map_reader.h"
#include "files/mission_package.h"

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

bool PrintMap(Scenario& scenario, const std::string& mapPath, Output& out) {
    if (!ReadMap(scenario, mapPath)) return false;
    for (const std::string& zone : scenario.objectGroups.GetGroup("zones")) out.Line("zone " + zone);
    for (const std::string& group : scenario.objectGroups.GetGroup("groups")) out.Line("group " + group);
    return true;
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

void PrintTree(Scenario& scenario, Output& out) { PrintNodes(BuildScenarioTree(scenario), 0, out); }

int PrintLeftOut(const Scenario& scenario, Output& out) {
    for (const LeftOutCommand& command : scenario.leftOut)
        out.Line(command.trigger + '\t' + command.function + '\t' + command.name);
    return scenario.leftOut.empty() ? 0 : kExitLeftOut;
}

void OpenNamedMission(Scenario& scenario, const std::string& mission) {
    auto bytes = ReadWholeFile(FindMissionDescriptor(scenario, mission));
    Check(bytes.has_value(), "There is no mission " + mission + ".");
    Check(OpenMission(scenario, DescriptorMapPath(*bytes), false),
          "The map of the mission " + mission + " cannot be read.");
}

}  // namespace sced::cli

// The script text of the command tree: each trigger, IF and call as the game
// reads it.

#include "files/script_writer.h"

#include <fstream>
#include <system_error>

#include "core/file_write.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/text_reader.h"
#include "declarations/function_template.h"
#include "files/map_reader.h"
#include "files/mission_package.h"
#include "files/scramble.h"
#include "model/argument_text.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "model/written_names.h"

namespace sced {

namespace {

std::string Decimal(std::int32_t value) { return std::to_string(value); }

void WriteConditions(Scenario& scenario, const ConditionList& conditions, ScriptOutput& out) {
    if (conditions.list.empty()) {
        out.text += " ALWAYS\n";
        return;
    }
    for (int i = 0; i < conditions.list.count(); ++i) {
        if (i > 0) out.text += " AND ";
        conditions.list.At(i).WriteScript(scenario, out);
    }
}

std::string ItemOf(const Scenario& scenario, std::string_view group, std::int32_t value) {
    const StringList& items = scenario.objectGroups.GetGroup(group);
    return items.Contains(value) ? items[value] : std::string();
}

std::string UpgradeId(const Scenario& scenario, std::int32_t value) {
    const Upgrade* upgrade = scenario.lists.UpgradeAt(value);
    return upgrade ? upgrade->id : std::string();
}

std::string MissionLetter(std::int32_t objective) {
    return std::string("'") + static_cast<char>('A' + 2 * objective) + "'";
}

const std::string kRule = "%" + std::string(79, '-');

void Section(std::string& out, std::string_view header, const Scenario& scenario, std::string_view group,
             std::string_view after) {
    out += header;
    const int count = scenario.objectGroups.GetGroup(group).count();
    for (int i = 0; i < count; ++i) out += NameLine(WrittenName(scenario, group, i));
    out += after;
}

// Whether every value of the call lies inside its list, so that the script
// names only what exists.
bool ValueFits(const Scenario& scenario, const TermCommand& command, const Template& function, int i) {
    auto slot = static_cast<std::size_t>(i);
    std::int32_t value = command.args[slot];
    const std::string& group = function.argGroup[slot];
    const ObjectGroups& groups = scenario.objectGroups;
    if (function.form == FormCompare && i == function.argCount - 2 && (value < 0 || value > 3)) return false;
    if (function.argKind[slot] == KindGroup) {
        if (group == "groups")
            return value >= 0 && value < groups.GetGroup("groups").count() + groups.GetGroup("dyngroups").count();
        if (group == "blocks") return value >= 0 && value < scenario.triggers.count();
        int found = groups.FindGroup(group);
        return found >= 0 && groups[found].items.Contains(value);
    }
    if (group == "unittypes") return scenario.lists.UnitTypeAt(value) != nullptr;
    if (function.argKind[slot] != KindGroupNumber) return true;
    if (group == "upgrades") return scenario.lists.UpgradeAt(value) != nullptr;
    if (group == "formations") return scenario.lists.FormationAt(value) != nullptr;
    return true;
}

// Whether the parser reads the name back as written when it stands as an
// argument: the script does not quote names, so a comma, an unmatched ")",
// outer blanks or a start that reads as a number, string or operator would
// turn it into something else.
bool NameReadsBack(std::string_view name) {
    if (name.empty() || name.find_first_of("\r\n") != std::string_view::npos) return false;
    char first = name.front();
    if (std::string_view(" \t%\"'=<>").find(first) != std::string_view::npos || (first >= '0' && first <= '9'))
        return false;
    if (name.starts_with("!=") || (first == '-' && name.size() > 1 && name[1] >= '0' && name[1] <= '9'))
        return false;
    std::string probe = std::string(name) + " )";
    std::string read;
    ReadArgText(probe, read);
    return read == name;
}

bool IsNamedGroup(const std::string& group) { return group == "zones" || group == "groups" || group == "dyngroups"; }

void CheckValues(const Scenario& scenario, const CommandSeq& commands, const std::string& trigger) {
    for (const auto& command : commands) {
        if (const auto* ifBlock = dynamic_cast<const IfBlock*>(command.get())) {
            CheckValues(scenario, ifBlock->conditions.list, trigger);
            CheckValues(scenario, ifBlock->thenCommands, trigger);
            CheckValues(scenario, ifBlock->elseCommands, trigger);
            continue;
        }
        const auto* call = dynamic_cast<const TermCommand*>(command.get());
        if (!call) continue;
        if (!call->function) Fail("A command of the trigger \"" + trigger + "\" has no function.");
        const Template& function = *call->function;
        for (int i = 0; i < function.argCount && i < call->argCount; ++i) {
            auto slot = static_cast<std::size_t>(i);
            std::string where = "argument " + std::to_string(i + 1) + " of " + function.name + " in the trigger \"" +
                                trigger + "\"";
            if (!ValueFits(scenario, *call, function, i)) Fail("The value of " + where + " lies outside its list.");
            if (function.argKind[slot] != KindGroup || !IsNamedGroup(function.argGroup[slot])) continue;
            std::string name = GetObjectString(scenario, *call, i);
            if (!NameReadsBack(name))
                Fail("The name \"" + name + "\" of " + where + " cannot be written to the mission script.");
        }
    }
}

void CheckValues(const Scenario& scenario) {
    for (const auto& entry : scenario.triggers) {
        const auto* trigger = dynamic_cast<const CommandBlock*>(entry.get());
        if (!trigger) continue;
        CheckValues(scenario, trigger->conditions.list, trigger->text);
        CheckValues(scenario, trigger->actions, trigger->text);
    }
}

// The folders a save makes, removed again (when empty) unless the save
// succeeds, so that a failed save of a new mission leaves nothing behind.
class CreatedFolders {
public:
    CreatedFolders() = default;
    CreatedFolders(const CreatedFolders&) = delete;
    CreatedFolders& operator=(const CreatedFolders&) = delete;
    ~CreatedFolders() {
        std::error_code ec;
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) std::filesystem::remove(*it, ec);
    }

    // Whether the folder exists afterwards.
    bool Make(const std::filesystem::path& folder) {
        std::error_code ec;
        if (std::filesystem::create_directory(folder, ec)) made_.push_back(folder);
        return std::filesystem::is_directory(folder, ec);
    }
    void Keep() { made_.clear(); }

private:
    std::vector<std::filesystem::path> made_;
};

void Stage(StagedFiles& files, const std::filesystem::path& target, std::string_view bytes, const char* error) {
    Check(files.Stage(target, bytes), error);
}

}  // namespace

std::string BuildScript(Scenario& scenario) {
    const ObjectGroups& groups = scenario.objectGroups;
    const StringList& mapGroups = groups.GetGroup("groups");
    const StringList& zones = groups.GetGroup("zones");
    const StringList& dynGroups = groups.GetGroup("dyngroups");
    ScriptOutput out;
    std::string& text = out.text;
    text += kRule + "\n% Tarvossa mission script file\n% generated by Scenario Editor\n" + kRule + "\n\n";
    text += kRule + "\n% \t\t\t--DECLARATIONS BLOCK:--\n" + kRule + "\n\n";
    if (!mapGroups.empty()) Section(text, "UNITS\t\n", scenario, "groups", "#END\n\n");
    if (!zones.empty()) Section(text, "#ZONES\n", scenario, "zones", "#END\n\n");
    if (!dynGroups.empty()) Section(text, "#DYNGROUPS\n", scenario, "dyngroups", "#END\n\n");
    text += "#FORMATIONS\n";
    for (const Formation& formation : scenario.lists.formations) text += formation.name + "\n";
    text += "#END\n\n#UNITTYPES\n";
    for (const UnitCategory& category : scenario.lists.unitCategories)
        for (std::size_t u = 0; u + 1 < category.units.size(); ++u)
            text += category.units[u].id + "(" + category.code + ")\n";
    text += "#END\n\n#SCRIPT\n";
    Pages().Clear();
    for (int i = 0; i < scenario.triggers.count(); ++i) {
        out.triggerIndex = i;
        scenario.triggers.At(i).WriteScript(scenario, out);
        text += kRule + "\n";
    }
    text += "#END\n\n";
    text += kRule + "\n% \t\t\t--AUXILIARY BLOCK:--\n" + kRule + "\n\n";
    text += "\n#TRIGGERS\n";
    for (int i = 0; i < scenario.triggers.count(); ++i) text += NameLine(WrittenTriggerLabel(scenario, i));
    text += "#END\n";
    Section(text, "\n#SWITCHES\n", scenario, "switches", "#END\n");
    Section(text, "\n#TIMERS\n", scenario, "timers", "#END\n");
    Section(text, "\n#PLAYERS\n", scenario, "players", "#END\n");
    return std::move(out.text);
}

std::vector<std::filesystem::path> SaveMission(Scenario& scenario) {
    namespace fs = std::filesystem;
    Check(!scenario.missionName.empty() && !scenario.mapFolder.empty(), "There is no mission to save.");
    MissionPaths paths = PathsOf(scenario);
    scenario.picturePath = paths.picture.string();

    // What can be checked comes first: the map and its script field, the
    // values and names, whether the map can take the script's path.
    std::string mapPath = MapPathOf(scenario);
    auto map = ReadWholeFile(mapPath);
    Check(map.has_value(), Lookup("txtNoMapFile"));
    auto field = FindScriptField(*map);
    Check(field.has_value(), Lookup("txtMapCorrupt"));
    std::string reference = ScriptReference(scenario);
    Check(reference.size() < kScriptFieldSize,
          "The mission name " + scenario.missionName + " is too long for the map's script field.");
    CheckValues(scenario);
    CheckObjectiveNames(scenario);
    std::string patched = map->substr(*field, kScriptFieldSize);
    patched.replace(0, reference.size() + 1, reference + '\0');
    std::fstream mapFile;
    const bool mapChanges = map->compare(*field, kScriptFieldSize, patched) != 0;
    if (mapChanges) {
        mapFile.open(mapPath, std::ios::in | std::ios::out | std::ios::binary);
        Check(mapFile.is_open(), "The map " + mapPath + " cannot be written.");
    }
    WarnOfEmptyNames(scenario);

    CreatedFolders folders;
    Check(folders.Make(paths.userMissions), "Couldn't create .add file.");
    Check(folders.Make(paths.folder), "Couldn't create script temporary file.");
    std::string script = WithCrLf(BuildScript(scenario));
    std::string scrambled = script;
    Scramble(scrambled);
    StagedFiles files;
    Stage(files, paths.descriptor, WithCrLf(DescriptorText(scenario)), "Couldn't create .add file.");
    Stage(files, paths.script, scrambled, "Couldn't create script temporary file.");
    Stage(files, paths.pages, WithCrLf(PagesText(scenario)), "Couldn't write mission pages file.");
    Stage(files, paths.description, WithCrLf(scenario.description), "Can't write description file.");
    // The mission's own picture stays; a mission without one gets the default.
    std::error_code ec;
    std::optional<std::string> picture = scenario.heldPicture;
    if (!picture && !fs::exists(paths.picture, ec))
        picture = ReadWholeFile(ResolveGamePath(scenario.gameFolder, "Data\\ScEd_default.bmp"));
    if (picture) Stage(files, paths.picture, *picture, "Couldn't write the mission picture.");
    const bool replaced = files.Replace();
    Check(replaced,
          "The file " + files.failed().string() + " cannot be replaced; the mission's files are left as they were.");

    if (mapChanges) {
        mapFile.seekp(static_cast<std::streamoff>(*field));
        mapFile.write(patched.data(), static_cast<std::streamsize>(patched.size()));
        mapFile.close();
        // The files just replaced go back with the map as it was.
        Check(static_cast<bool>(mapFile), "The map " + mapPath + " cannot be written.");
    }
    files.Keep();
    folders.Keep();
    scenario.scriptText = std::move(script);
    scenario.modified = false;
    std::vector<fs::path> saved = {paths.descriptor, paths.script, paths.pages, paths.description};
    if (fs::exists(paths.picture, ec)) saved.push_back(paths.picture);
    return saved;
}

void CommandSeq::WriteScript(Scenario& scenario, ScriptOutput& out, int indent) const {
    for (int i = 0; i < count(); ++i) {
        out.text.append(static_cast<std::size_t>(indent), '\t');
        At(i).WriteScript(scenario, out);
        out.text += i + 1 < count() ? ", \n" : " \n";
    }
}

void CommandBlock::WriteScript(Scenario& scenario, ScriptOutput& out) const {
    out.text += "CONDITION \t";
    WriteConditions(scenario, conditions, out);
    if (times != -1) out.text += "\nTIMES\t\t" + Decimal(times) + "\n";
    out.text += "ACTION \t\t\n";
    actions.WriteScript(scenario, out, 1);
    out.text += "\n";
}

void IfBlock::WriteScript(Scenario& scenario, ScriptOutput& out) const {
    out.text += "IF ";
    WriteConditions(scenario, conditions, out);
    out.text += "\n\t[\n";
    thenCommands.WriteScript(scenario, out, 2);
    out.text += "\t]\n";
    if (elseCommands.empty()) return;
    out.text += "\tELSE\n\t[\n";
    elseCommands.WriteScript(scenario, out, 2);
    out.text += "\t]";
}

void TermCommand::WriteScript(Scenario& scenario, ScriptOutput& out) const {
    Check(function != nullptr, "TermCommand::WriteScript - the command has no function.");
    const std::string& name = function->name;
    auto arg = [&](int i) { return args[static_cast<std::size_t>(i)]; };
    std::string& text = out.text;
    if (name == "Always") {
        text += "ALWAYS";
    } else if (name == "CreateObject0") {
        const Formation* formation = scenario.lists.FormationAt(arg(4));
        text += "CreateObject0( " + ItemOf(scenario, "dyngroups", arg(0)) + ",#" +
                (formation ? formation->name : std::string()) + "," + UnitTypeScriptText(scenario, arg(5)) +
                "," + Decimal(arg(1)) + "," + ItemOf(scenario, "zones", arg(2)) + "," + Decimal(arg(3)) + " )";
    } else if (name == "InitialUpgradeEx" || name == "DisableUpgrade") {
        std::string quote = name == "InitialUpgradeEx" ? "\"" : "";
        text += name + "( " + quote + ArgumentScriptText(scenario, *this, 0) + quote + ",\"" +
                UpgradeId(scenario, arg(1)) + "\" )";
    } else if (name == "VarValue") {
        text += "Var" + Decimal(arg(0)) + " " + std::string(ComparisonOperator(arg(1))) + " " + Decimal(arg(2));
    } else if (name == "PreserveTrigger") {
        text += "PreserveTrigger( " + Decimal(out.triggerIndex) + " )";
    } else if (name == "EnableUnit") {
        text += "EnableUnit( " + Decimal(arg(0)) + "," + UnitTypeScriptText(scenario, arg(1)) + "," +
                Decimal(arg(2)) + " )";
    } else if (name == "EnableMission" || name == "DisableMission") {
        text += name + "( " + MissionLetter(arg(0)) + " )";
    } else if (name == "CompleteMission") {
        text += "CompleteMission( " + Decimal(arg(0)) + " )";
    } else if (name == "ShowPageEx" || name == "AskQuestionEx") {
        text += "ShowPageEx( " + Decimal(Pages().size()) + " )";
        Pages().Append(page ? *page : PageRecord{});
    } else {
        int first = 0;
        if (form == FormNot) text += "!";
        if (form == FormAssign) {
            text += "Var" + Decimal(arg(0)) + "=";
            first = 1;
        }
        text += name + "( ";
        int last = form == FormCompare ? argCount - 2 : argCount;
        for (int i = first; i < last; ++i) {
            if (i > first) text += ",";
            text += ArgumentScriptText(scenario, *this, i);
        }
        text += " )";
        if (form == FormCompare && argCount >= 2)
            text += " " + std::string(ComparisonOperator(arg(argCount - 2))) + " " +
                    ArgumentScriptText(scenario, *this, argCount - 1);
    }
}

}  // namespace sced

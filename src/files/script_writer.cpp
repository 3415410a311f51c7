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
#include "core/path_text.h"
#include "declarations/function_template.h"
#include "files/map_reader.h"
#include "files/mission_lock.h"
#include "files/mission_package.h"
#include "files/script_check.h"
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

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

// A trigger named by a call: its position, or its label when written by name.
std::string TriggerText(const Scenario& scenario, const ScriptOutput& out, std::int32_t trigger) {
    if (!out.byName || trigger < 0 || trigger >= scenario.triggers.count()) return Decimal(trigger);
    return Quoted(WrittenTriggerLabel(scenario, trigger));
}

// A page written by name: its picture, the picture's number and its text.
std::string PageText(const PageRecord* page) {
    if (!page || page->missing) return "no page";
    return page->picture + " " + Decimal(page->number) + ", " + Quoted(page->body);
}

bool NamesTrigger(const TermCommand& call, int i) {
    auto slot = static_cast<std::size_t>(i);
    return call.function->argKind[slot] == KindGroup && call.function->argGroup[slot] == "blocks";
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

// Visits the page calls of the triggers before the end, in writing order.
template <typename Visit>
void ForEachPageCall(const Scenario& scenario, int end, Visit visit) {
    for (int t = 0; t < end; ++t)
        ForEachCall(scenario.triggers.At(t), [&](const TermCommand& call) {
            if (call.function && (call.function->name == "ShowPageEx" || call.function->name == "AskQuestionEx"))
                visit(call);
        });
}

// The number of pages the pages file will hold: the page calls whose page
// is not missing.
int PagesInFile(const Scenario& scenario) {
    int pages = 0;
    ForEachPageCall(scenario, scenario.triggers.count(), [&](const TermCommand& call) {
        pages += call.page && call.page->missing ? 0 : 1;
    });
    return pages;
}

}  // namespace

ScriptBuilder::ScriptBuilder(Scenario& scenario) : scenario_(scenario) {
    const ObjectGroups& groups = scenario.objectGroups;
    const StringList& mapGroups = groups.GetGroup("groups");
    const StringList& zones = groups.GetGroup("zones");
    const StringList& dynGroups = groups.GetGroup("dyngroups");
    std::string& text = out_.text;
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
    // A missing page keeps its call numbered after the pages the file holds.
    out_.missingPagesFrom = PagesInFile(scenario);
}

bool ScriptBuilder::done() const { return out_.triggerIndex >= scenario_.triggers.count(); }

void ScriptBuilder::WriteNext() {
    if (done()) return;
    {
        // The page calls number the pages in the table they are written to.
        LentPageTable lent(pages_);
        scenario_.triggers.At(out_.triggerIndex).WriteScript(scenario_, out_);
    }
    out_.text += kRule + "\n";
    ++out_.triggerIndex;
}

std::string ScriptBuilder::Finish() {
    while (!done()) WriteNext();
    std::string& text = out_.text;
    text += "#END\n\n";
    text += kRule + "\n% \t\t\t--AUXILIARY BLOCK:--\n" + kRule + "\n\n";
    text += "\n#TRIGGERS\n";
    for (int i = 0; i < scenario_.triggers.count(); ++i) text += NameLine(WrittenTriggerLabel(scenario_, i));
    text += "#END\n";
    Section(text, "\n#SWITCHES\n", scenario_, "switches", "#END\n");
    Section(text, "\n#TIMERS\n", scenario_, "timers", "#END\n");
    Section(text, "\n#PLAYERS\n", scenario_, "players", "#END\n");
    return std::move(text);
}

std::string BuildScript(Scenario& scenario) {
    ScriptBuilder builder(scenario);
    std::string script = builder.Finish();
    Pages() = builder.pages();
    return script;
}

std::string TriggerScript(Scenario& scenario, int trigger) {
    // Writing numbers the pages by the page table; the table of the last
    // save is put back whatever happens.
    struct KeptPages {
        PageTable pages = Pages();
        ~KeptPages() { Pages() = std::move(pages); }
    } kept;
    Pages().Clear();
    ScriptOutput out;
    out.missingPagesFrom = PagesInFile(scenario);
    ForEachPageCall(scenario, trigger, [&](const TermCommand& call) {
        if (call.page && call.page->missing)
            ++out.missingPagesWritten;
        else
            Pages().Append(PageRecord{});
    });
    out.triggerIndex = trigger;
    scenario.triggers.At(trigger).WriteScript(scenario, out);
    return std::move(out.text);
}

std::string TriggerScriptByName(Scenario& scenario, int trigger) {
    ScriptOutput out;
    out.byName = true;
    out.triggerIndex = trigger;
    scenario.triggers.At(trigger).WriteScript(scenario, out);
    return std::move(out.text);
}

std::vector<std::filesystem::path> SaveMission(Scenario& scenario) {
    namespace fs = std::filesystem;
    Check(!scenario.missionName.empty() && !scenario.mapFolder.empty(), "There is no mission to save.");
    MissionPaths paths = PathsOf(scenario);
    scenario.picturePath = paths.picture;

    // What can be checked comes first: the map and its script field, the
    // values and names, whether the map can take the script's path.
    const fs::path mapPath = MapPathOf(scenario);
    auto map = ReadWholeFile(mapPath);
    Check(map.has_value(), Lookup("txtNoMapFile"));
    auto field = FindScriptField(*map);
    Check(field.has_value(), Lookup("txtMapCorrupt"));
    std::string reference = ScriptReference(scenario);
    Check(reference.size() < kScriptFieldSize,
          "The mission name " + scenario.missionName + " is too long for the map's script field.");
    CheckScriptCanBeSaved(scenario);
    CheckObjectiveNames(scenario);
    std::string patched = map->substr(*field, kScriptFieldSize);
    patched.replace(0, reference.size() + 1, reference + '\0');
    std::fstream mapFile;
    const bool mapChanges = map->compare(*field, kScriptFieldSize, patched) != 0;
    if (mapChanges) {
        mapFile.open(mapPath, std::ios::in | std::ios::out | std::ios::binary);
        Check(mapFile.is_open(), "The map " + TextOfPath(mapPath) + " cannot be written.");
    }
    WarnOfEmptyNames(scenario);

    CreatedFolders folders;
    Check(folders.Make(paths.userMissions), "Couldn't create .add file.");
    // Another save of the mission, in this program or another, finishes first.
    MissionLock lock(paths.descriptor);
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
          "The file " + TextOfPath(files.failed()) + " cannot be replaced: " + FailureReason(files.error()) +
              ". The mission's files are left as they were.");

    if (mapChanges) {
        mapFile.seekp(static_cast<std::streamoff>(*field));
        mapFile.write(patched.data(), static_cast<std::streamsize>(patched.size()));
        mapFile.close();
        // The files just replaced go back with the map as it was.
        Check(static_cast<bool>(mapFile), "The map " + TextOfPath(mapPath) + " cannot be written.");
    }
    files.Keep();
    folders.Keep();
    scenario.scriptText = std::move(script);
    scenario.modified = false;
    std::vector<fs::path> saved = {paths.descriptor, paths.script, paths.pages, paths.description};
    if (picture) saved.push_back(paths.picture);
    if (mapChanges) saved.push_back(mapPath);
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
    // Compared as a view: its length first, so that each call is not
    // measured against every special name.
    const std::string_view name = function->name;
    auto arg = [&](int i) { return args[static_cast<std::size_t>(i)]; };
    std::string& text = out.text;
    if (name == "Always") {
        text += "ALWAYS";
    } else if (name == "CreateObject0") {
        const Formation* formation = scenario.lists.FormationAt(arg(4));
        text += "CreateObject0( " + ItemOf(scenario, "dyngroups", arg(0)) + ",#" +
                (formation ? formation->name : std::string()) + "," + UnitTypeScriptText(scenario, arg(5)) +
                "," + Decimal(arg(1)) + "," + (IsLost(2) ? argText[2] : ItemOf(scenario, "zones", arg(2))) + "," +
                Decimal(arg(3)) + " )";
    } else if (name == "InitialUpgradeEx" || name == "DisableUpgrade") {
        std::string quote = name == "InitialUpgradeEx" ? "\"" : "";
        text += function->name + "( " + quote + ArgumentScriptText(scenario, *this, 0) + quote + ",\"" +
                UpgradeId(scenario, arg(1)) + "\" )";
    } else if (name == "VarValue") {
        text += "Var" + Decimal(arg(0)) + " " + std::string(ComparisonOperator(arg(1))) + " " + Decimal(arg(2));
    } else if (name == "PreserveTrigger") {
        text += "PreserveTrigger( " + TriggerText(scenario, out, out.triggerIndex) + " )";
    } else if (name == "EnableUnit") {
        text += "EnableUnit( " + Decimal(arg(0)) + "," + UnitTypeScriptText(scenario, arg(1)) + "," +
                Decimal(arg(2)) + " )";
    } else if (name == "EnableMission" || name == "DisableMission") {
        text += function->name + "( " + MissionLetter(arg(0)) + " )";
    } else if (name == "CompleteMission") {
        text += "CompleteMission( " + Decimal(arg(0)) + " )";
    } else if (name == "ShowPageEx" || name == "AskQuestionEx") {
        if (out.byName) {
            text += "ShowPageEx( " + PageText(page.get()) + " )";
        } else if (page && page->missing) {
            text += "ShowPageEx( " + Decimal(out.missingPagesFrom + out.missingPagesWritten++) + " )";
        } else {
            text += "ShowPageEx( " + Decimal(Pages().size()) + " )";
            Pages().Append(page ? *page : PageRecord{});
        }
    } else {
        int first = 0;
        if (form == FormNot) text += "!";
        if (form == FormAssign) {
            text += "Var" + Decimal(arg(0)) + "=";
            first = 1;
        }
        text += function->name + "( ";
        int last = form == FormCompare ? argCount - 2 : argCount;
        for (int i = first; i < last; ++i) {
            if (i > first) text += ",";
            text += out.byName && NamesTrigger(*this, i) ? TriggerText(scenario, out, args[static_cast<std::size_t>(i)])
                                                         : ArgumentScriptText(scenario, *this, i);
        }
        text += " )";
        if (form == FormCompare && argCount >= 2)
            text += " " + std::string(ComparisonOperator(arg(argCount - 2))) + " " +
                    ArgumentScriptText(scenario, *this, argCount - 1);
    }
}

}  // namespace sced

#include "cli/designer_script.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>

#include "cli/commands.h"
#include "cli/save_journal.h"
#include "cli/script_steps.h"
#include "cli/scripted_dialogs.h"
#include "core/code_page.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/text_reader.h"
#include "core/warning.h"
#include "editing/editor.h"
#include "editing/mission_search.h"
#include "editing/replace_uses.h"
#include "editing/scenario_tree.h"
#include "editing/where_used.h"
#include "files/script_writer.h"
#include "files/mission_package.h"
#include "model/scenario.h"

namespace sced::cli {

namespace {

// Runs the steps of the main window's commands.
class ScriptRunner {
public:
    ScriptRunner(Scenario& scenario, const std::string& mission, ScriptSteps& steps, ScriptedDialogs& dialogs,
                 Output& out, const ScriptOptions& options, SaveJournal& journal)
        : scenario_(scenario), mission_(mission), steps_(steps), dialogs_(dialogs), out_(out), options_(options),
          journal_(journal), editor_(scenario) {}

    void Run() {
        Check(editor_.Open(MissionMapPath(scenario_, mission_)), "The map of the mission " + mission_ + " cannot be read.");
        const std::map<std::string, std::function<bool()>> operations = {
            {"add-trigger", [&] { return editor_.AddTrigger(); }},
            {"add-condition", [&] { return editor_.AddCondition(); }},
            {"add-action", [&] { return editor_.AddAction(); }},
            {"modify", [&] { return editor_.Modify(); }},
            {"delete", [&] { return editor_.Delete(); }},
            {"cut", [&] { return editor_.Cut(); }},
            {"copy", [&] { return editor_.Copy(); }},
            {"paste", [&] { return editor_.Paste(); }},
            {"duplicate", [&] { return editor_.Duplicate(); }},
            {"up", [&] { return editor_.MoveUp(); }},
            {"down", [&] { return editor_.MoveDown(); }},
            {"properties", [&] { return editor_.MissionProperties(); }},
            {"undo", [&] { return editor_.Undo(); }},
            {"redo", [&] { return editor_.Redo(); }},
        };
        const std::map<std::string, std::function<bool()>> findSteps = {
            {"find-next", [&] { return GoToMatch(find_.Next(dialogs_.scenarioTree().selected())); }},
            {"find-previous", [&] { return GoToMatch(find_.Previous(dialogs_.scenarioTree().selected())); }},
        };
        while (std::optional<ScriptStep> step = steps_.Next()) {
            if (auto operation = operations.find(step->word); operation != operations.end()) {
                if (!step->rest.empty()) throw ScriptStop{step->line, step->word + " takes nothing after it"};
                if (!operation->second()) dialogs_.Remark(step->line, "nothing done");
                // As in the window, the search follows every change.
                if (find_.active()) find_.Follow(scenario_, editor_.trail());
            } else if (auto findStep = findSteps.find(step->word); findStep != findSteps.end()) {
                if (!findStep->second()) dialogs_.Remark(step->line, "nothing done");
            } else if (step->word == "find") {
                find_.Search(scenario_, step->rest, editor_.trail());
            } else if (step->word == "drag") {
                Drag(*step);
                if (find_.active()) find_.Follow(scenario_, editor_.trail());
            } else if (step->word == "replace") {
                Replace(*step);
                if (find_.active()) find_.Follow(scenario_, editor_.trail());
            } else if (step->word == "select") {
                Select(*step);
            } else if (step->word == "copy-text") {
                CopyText(*step);
            } else if (step->word == "paste-text") {
                PasteText(*step);
                if (find_.active()) find_.Follow(scenario_, editor_.trail());
            } else if (step->word == "show") {
                Show(*step);
            } else if (step->word == "save") {
                if (!options_.save) throw ScriptStop{step->line, "save is refused: the script runs with --no-save"};
                Save();
            } else if (step->word == "open") {
                // A mission whose map cannot be read leaves the open one as it was.
                if (editor_.Open(MissionMapPath(scenario_, step->rest)))
                    mission_ = step->rest;
                else
                    dialogs_.Remark(step->line, "nothing done");
            } else if (step->word == "new") {
                New(*step);
            } else {
                throw ScriptStop{step->line, "no dialog is shown to take " + step->word};
            }
        }
        if (options_.save) Save();
        if (options_.tree) PrintTreeNodes(dialogs_.scenarioTree().tree(), out_);
    }

private:
    // Up to five numbers from the start of the text, which loses them.
    static TreePath ReadPath(std::string_view& rest, int line) {
        TreePath path = kNoTreePath;
        for (int level = 0; level < 5; ++level) {
            std::string_view before = rest;
            std::string word = NextWord(rest);
            if (word.empty()) break;
            std::optional<std::int32_t> value = WholeNumber(word);
            if (!value) {
                rest = before;
                break;
            }
            path[static_cast<std::size_t>(level)] = *value;
        }
        if (path[0] < 0 && PathDepth(path) == 0 && rest.empty()) return path;
        if (PathDepth(path) == 0) throw ScriptStop{line, "a path is positions counted from 0"};
        return path;
    }

    // new MAPPATH [--force]: as sced-cli new, a mission that exists is
    // replaced only when asked, and there is no mission without a map.
    void New(const ScriptStep& step) {
        std::string_view map = step.rest;
        const bool force = map == "--force" || map.starts_with("--force ") || map.ends_with(" --force");
        if (map == "--force") map = {};
        else if (map.starts_with("--force ")) map.remove_prefix(8);
        else if (map.ends_with(" --force")) map.remove_suffix(8);
        while (!map.empty() && map.front() == ' ') map.remove_prefix(1);
        while (!map.empty() && map.back() == ' ') map.remove_suffix(1);
        if (map.empty()) throw ScriptStop{step.line, "new needs the path of a map"};
        if (!force && MissionFilesExist(scenario_, map))
            throw ScriptStop{step.line, "a mission on the map " + std::string(map) +
                                            " exists already; new MAPPATH --force replaces it"};
        if (editor_.StartFresh(map))
            mission_ = scenario_.missionName;
        else
            dialogs_.Remark(step.line, "nothing done");
    }

    // select PATH[;PATH...]: the first path is the current item.
    void Select(const ScriptStep& step) {
        std::vector<TreePath> paths;
        for (std::string_view rest = step.rest;;) {
            std::size_t semicolon = rest.find(';');
            std::string_view part = rest.substr(0, semicolon);
            paths.push_back(ReadPath(part, step.line));
            if (!part.empty() && part.find_first_not_of(' ') != std::string_view::npos)
                throw ScriptStop{step.line, "select takes numbers, paths separated by ;"};
            if (semicolon == std::string_view::npos) break;
            rest.remove_prefix(semicolon + 1);
        }
        if (paths.size() == 1) {
            SelectPath(paths[0]);
        } else {
            dialogs_.scenarioTree().SelectMany(paths);
            editor_.FollowTreeSelection();
        }
        // The later steps would act on other items than the script names.
        std::vector<TreePath> selected = dialogs_.scenarioTree().GetTreePaths();
        auto others = [](std::vector<TreePath> list) {
            std::sort(list.begin() + std::min<std::ptrdiff_t>(1, std::ssize(list)), list.end());
            list.erase(std::unique(list.begin(), list.end()), list.end());
            return list;
        };
        if (others(selected) != others(paths) && !(paths.size() == 1 && paths[0] == kNoTreePath))
            throw ScriptStop{step.line, "the tree has no item at that path"};
        if (paths.size() > 1 && editor_.selection().indices.size() < paths.size())
            throw ScriptStop{step.line, "several paths select triggers, or commands of one list"};
    }

    // The file's bytes are the editor's code page, or UTF-8 with --utf8.
    void CopyText(const ScriptStep& step) {
        if (step.rest.empty()) throw ScriptStop{step.line, "copy-text takes the path of a file"};
        if (!editor_.Copy()) {
            dialogs_.Remark(step.line, "nothing done");
            return;
        }
        std::string text = editor_.SelectionText();
        if (out_.utf8()) text = Cp1251ToUtf8(text);
        std::ofstream file(PathOfText(step.rest), std::ios::binary);
        file << text;
        file.close();
        if (!file) throw ScriptStop{step.line, "the file " + step.rest + " cannot be written"};
    }

    void PasteText(const ScriptStep& step) {
        if (step.rest.empty()) throw ScriptStop{step.line, "paste-text takes the path of a file"};
        std::optional<std::string> text = ReadWholeFile(PathOfText(step.rest));
        if (!text) throw ScriptStop{step.line, "the file " + step.rest + " cannot be read"};
        if (out_.utf8()) {
            Utf8Conversion converted = Utf8ToCp1251(*text);
            if (converted.failedAt)
                throw ScriptStop{step.line, "the file " + step.rest +
                                                " holds a character that the code page cannot hold, at byte " +
                                                std::to_string(*converted.failedAt)};
            text = std::move(converted.bytes);
        }
        if (!editor_.PasteText(*text)) dialogs_.Remark(step.line, "nothing done");
    }

    void SelectPath(const TreePath& path) {
        dialogs_.scenarioTree().Select(path);
        editor_.FollowTreeSelection();
    }

    bool GoToMatch(const std::optional<TreePath>& match) {
        if (!match) return false;
        SelectPath(*match);
        return true;
    }

    // drag T [P [E [B [F]]]] to T [P [E [B [F]]]]
    void Drag(const ScriptStep& step) {
        std::string_view rest = step.rest;
        TreePath from = ReadPath(rest, step.line);
        if (NextWord(rest) != "to") throw ScriptStop{step.line, "drag takes a path, to, and a path"};
        TreePath to = ReadPath(rest, step.line);
        if (!rest.empty() || PathDepth(from) == 0 || PathDepth(to) == 0)
            throw ScriptStop{step.line, "drag takes a path, to, and a path"};
        if (!editor_.MoveTo(from, to)) dialogs_.Remark(step.line, "nothing done");
    }

    // replace NAME with NAME: a name may hold " with " itself, so each
    // place of it is tried until the names stand for two things.
    void Replace(const ScriptStep& step) {
        const std::string_view rest = step.rest;
        constexpr std::string_view kWith = " with ";
        std::optional<ReplaceNames> first;
        for (std::size_t at = rest.find(kWith); at != std::string_view::npos; at = rest.find(kWith, at + 1)) {
            if (at == 0 || at + kWith.size() == rest.size()) continue;
            ReplaceNames names = FindReplaceNames(scenario_, rest.substr(0, at), rest.substr(at + kWith.size()));
            if (names.problem.empty()) {
                int commands = CommandsReplaced(scenario_, names.from, names.to);
                if (editor_.ReplaceUses(names.from, names.to))
                    dialogs_.Remark(step.line, CommandCount(commands) + " changed");
                else
                    dialogs_.Remark(step.line, "nothing done");
                return;
            }
            if (!first) first = std::move(names);
        }
        if (!first) throw ScriptStop{step.line, "replace takes a name, with, and a name"};
        throw ScriptStop{step.line, first->problem};
    }

    void Show(const ScriptStep& step) {
        if (step.rest == "tree") {
            // The tree as the operations handed it, piece by piece, must be
            // the tree of the whole mission.
            if (dialogs_.scenarioTree().tree() != BuildScenarioTree(scenario_))
                throw ScriptStop{step.line, "the tree shown differs from the mission's tree"};
            PrintTreeNodes(dialogs_.scenarioTree().tree(), out_);
        } else if (step.rest == "selection") {
            // Several items as select takes them: the current one first.
            std::vector<TreePath> paths = dialogs_.scenarioTree().GetTreePaths();
            if (paths.empty()) paths.push_back(kNoTreePath);
            std::string line;
            for (const TreePath& path : paths) {
                if (!line.empty()) line += ";";
                for (int level = 0; level < 5; ++level) {
                    if (level > 0) line += ' ';
                    line += std::to_string(path[static_cast<std::size_t>(level)]);
                }
            }
            out_.Line(line);
        } else if (step.rest == "modified") {
            out_.Line(editor_.IsModified() ? "modified" : "unmodified");
        } else if (step.rest == "found") {
            out_.Line(std::to_string(find_.matches().size()) + " found");
            PrintPlaces(find_.matches(), out_);
        } else if (step.rest == "shown") {
            std::vector<int> shown;
            if (find_.active())
                shown = find_.Shown(editor_.selection().trigger);
            else
                for (int t = 0; t < scenario_.triggers.count(); ++t) shown.push_back(t);
            for (int t : shown) out_.Line(std::to_string(t) + '\t' + scenario_.triggers.At(t).text);
        } else if (step.rest == "uses") {
            PrintUses(UsesOfAll(scenario_, ThingsOfSelection(scenario_, editor_.selection())), out_);
        } else if (step.rest == "script") {
            if (editor_.selection().trigger < 0) throw ScriptStop{step.line, "no trigger is selected"};
            out_.Bytes(TriggerScript(scenario_, editor_.selection().trigger));
        } else {
            throw ScriptStop{step.line, "show takes tree, selection, modified, found, shown, uses or script"};
        }
    }

    void Save() {
        if (!options_.force) CheckNothingLost(scenario_, mission_);
        journal_.Remember(scenario_);
        editor_.Save();
    }

    Scenario& scenario_;
    std::string mission_;
    ScriptSteps& steps_;
    ScriptedDialogs& dialogs_;
    Output& out_;
    ScriptOptions options_;
    SaveJournal& journal_;
    Editor editor_;
    MissionFind find_;
};

}  // namespace

int RunDesignerScript(Scenario& scenario, const std::string& mission, std::istream& script,
                      const ScriptOptions& options, Output& out, std::ostream& remarks) {
    ScriptSteps steps(script, out.utf8());
    ScriptedDialogs dialogs(steps, remarks, out.utf8(), scenario.gameFolder);
    SaveJournal journal;
    // A script that does not end well has written nothing: what its save
    // steps wrote goes back.
    auto rollBack = [&] {
        for (const std::filesystem::path& file : journal.RollBack())
            Warn(false, "The file " + TextOfPath(file) + " cannot be put back as it was before the script.");
    };
    try {
        ScriptRunner(scenario, mission, steps, dialogs, out, options, journal).Run();
    } catch (const ScriptStop& stop) {
        dialogs.Remark(stop.line, stop.what);
        rollBack();
        return kExitScriptStopped;
    } catch (...) {
        rollBack();
        throw;
    }
    return 0;
}

}  // namespace sced::cli

#include "cli/designer_script.h"

#include <functional>
#include <map>

#include "cli/commands.h"
#include "cli/script_steps.h"
#include "cli/scripted_dialogs.h"
#include "core/text_reader.h"
#include "editing/editor.h"
#include "editing/scenario_tree.h"
#include "files/mission_package.h"
#include "model/scenario.h"

namespace sced::cli {

namespace {

void PrintNodes(const Tree& tree, int depth, Output& out) {
    for (const TreeNode& node : tree) {
        out.Line(std::string(static_cast<std::size_t>(depth) * 2, ' ') + node.text);
        PrintNodes(node.children, depth + 1, out);
    }
}

// Runs the steps of the main window's commands.
class ScriptRunner {
public:
    ScriptRunner(Scenario& scenario, const std::string& mission, ScriptSteps& steps, ScriptedDialogs& dialogs,
                 Output& out, const ScriptOptions& options)
        : scenario_(scenario), mission_(mission), steps_(steps), dialogs_(dialogs), out_(out), options_(options),
          editor_(scenario) {}

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
        while (std::optional<ScriptStep> step = steps_.Next()) {
            if (auto operation = operations.find(step->word); operation != operations.end()) {
                if (!step->rest.empty()) throw ScriptStop{step->line, step->word + " takes nothing after it"};
                if (!operation->second()) dialogs_.Remark(step->line, "nothing done");
            } else if (step->word == "select") {
                Select(*step);
            } else if (step->word == "show") {
                Show(*step);
            } else if (step->word == "save") {
                Save();
            } else if (step->word == "open") {
                // A mission whose map cannot be read leaves the open one as it was.
                if (editor_.Open(MissionMapPath(scenario_, step->rest)))
                    mission_ = step->rest;
                else
                    dialogs_.Remark(step->line, "nothing done");
            } else if (step->word == "new") {
                if (editor_.StartFresh(step->rest))
                    mission_ = scenario_.missionName;
                else
                    dialogs_.Remark(step->line, "nothing done");
            } else {
                throw ScriptStop{step->line, "no dialog is shown to take " + step->word};
            }
        }
        if (options_.save) Save();
        if (options_.tree) PrintNodes(dialogs_.scenarioTree().tree(), 0, out_);
    }

private:
    void Select(const ScriptStep& step) {
        TreePath path = kNoTreePath;
        std::string_view rest = step.rest;
        for (int level = 0; level < 5; ++level) {
            std::string word = NextWord(rest);
            if (word.empty()) break;
            std::optional<std::int32_t> value = ScanInteger(word);
            if (!value) throw ScriptStop{step.line, "select takes numbers"};
            path[static_cast<std::size_t>(level)] = *value;
        }
        dialogs_.scenarioTree().Select(path);
        editor_.FollowTreeSelection();
    }

    void Show(const ScriptStep& step) {
        if (step.rest == "tree") {
            // The tree as the operations handed it, piece by piece, must be
            // the tree of the whole mission.
            if (dialogs_.scenarioTree().tree() != BuildScenarioTree(scenario_))
                throw ScriptStop{step.line, "the tree shown differs from the mission's tree"};
            PrintNodes(dialogs_.scenarioTree().tree(), 0, out_);
        } else if (step.rest == "selection") {
            const TreePath& path = dialogs_.scenarioTree().selected();
            std::string line;
            for (int level = 0; level < 5; ++level)
                line += (level ? " " : "") + std::to_string(path[static_cast<std::size_t>(level)]);
            out_.Line(line);
        } else if (step.rest == "modified") {
            out_.Line(editor_.IsModified() ? "modified" : "unmodified");
        } else {
            throw ScriptStop{step.line, "show takes tree, selection or modified"};
        }
    }

    void Save() {
        if (!options_.force) CheckNothingLost(scenario_, mission_);
        editor_.Save();
    }

    Scenario& scenario_;
    std::string mission_;
    ScriptSteps& steps_;
    ScriptedDialogs& dialogs_;
    Output& out_;
    ScriptOptions options_;
    Editor editor_;
};

}  // namespace

int RunDesignerScript(Scenario& scenario, const std::string& mission, std::istream& script,
                      const ScriptOptions& options, Output& out, std::ostream& remarks) {
    ScriptSteps steps(script, out.utf8());
    ScriptedDialogs dialogs(steps, remarks, out.utf8(), scenario.gameFolder);
    try {
        ScriptRunner(scenario, mission, steps, dialogs, out, options).Run();
    } catch (const ScriptStop& stop) {
        dialogs.Remark(stop.line, stop.what);
        return kExitScriptStopped;
    }
    return 0;
}

}  // namespace sced::cli

// editing_bench [--runs N] [--sizes 1000,10000] [--game DIR]
//
// Times the editing operations of the main window on synthetic missions,
// each together with what it hands to the tree control: add an action to
// the last trigger, modify an argument of the middle trigger, move a
// trigger, delete one, drag a trigger and an action, and undo and redo of
// each; and the full tree that opening hands over. Then Find, Where used
// and Check over the whole mission, and a replace of a timer that every
// trigger names. An edit changes one trigger's content, so its time must
// not grow with the number of triggers.

#include <iostream>
#include <functional>
#include <iomanip>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_table.h"
#include "core/scenario_error.h"
#include "editing/change_trail.h"
#include "editing/editor.h"
#include "editing/mission_problems.h"
#include "editing/mission_search.h"
#include "editing/replace_uses.h"
#include "editing/where_used.h"
#include "editing/scenario_tree.h"
#include "editing/trigger_references.h"
#include "files/mission_package.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "synthetic_mission.h"

namespace {

using namespace sced;
using namespace bench;

constexpr double kGoalMs = 2.0;
constexpr double kSearchGoalMs = 50.0;
constexpr double kCheckGoalMs = 200.0;
constexpr double kReplaceGoalMs = 50.0;

// A dialog that answers at once, as the designer would.
class AnsweringDialog : public Dialog {
public:
    explicit AnsweringDialog(std::function<bool()> answer) : answer_(std::move(answer)) {}
    bool ShowModal(std::string_view) override { return answer_(); }

private:
    std::function<bool()> answer_;
};


std::vector<Row> Measure(const fs::path& game, int count, int runs) {
    Scenario scenario(game);
    Check(NewMission(scenario, "Maps\\Valley.m3d"), "The demo map cannot be read.");
    BuildTriggers(scenario, count);
    // One trigger that nothing runs, so that deleting it is allowed.
    const int spare = count / 2;
    RenumberTriggerReferences(scenario, [&](int t) { return t >= spare ? t + 1 : t; });
    auto free = std::make_unique<CommandBlock>();
    free->text = "Spare";
    scenario.triggers.Insert(spare, std::move(free));

    ControlTable& table = ControlTable::Instance();
    TreeCtrl tree, chooserTree;
    ListBox groupList, renameList;
    Edit numberEdit;
    SmartCtrl chooserSentence, editorSentence;
    table.Register(kScenarioTree, &tree);
    table.Register(kChooserTree, &chooserTree);
    table.Register(kGroupList, &groupList);
    table.Register(kRenameList, &renameList);
    table.Register(kNumberEdit, &numberEdit);
    table.Register(kChooserSentence, &chooserSentence);
    table.Register(kEditorSentence, &editorSentence);
    Editor editor(scenario);
    ControlEvents& events = *table.events();
    auto accept = [](ListBox& list) { return [&list] { list.SetSelection(0); return true; }; };
    AnsweringDialog groups(accept(groupList)), renames(accept(renameList));
    AnsweringDialog number([&] { numberEdit.SetText("77"); return true; });
    // The chooser: the first function of the first group, every argument given.
    AnsweringDialog chooser([&] {
        chooserTree.Select(TreePath{0, 0, -1, -1, -1, -1, -1, -1});
        events.ChooserSelectionChanged();
        const TermCommand* draft = chooserSentence.command();
        for (int k = 0; draft && k < draft->function->placeholderCount; ++k) events.ArgumentClicked(k);
        return true;
    });
    AnsweringDialog modifier([&] {
        events.ArgumentClicked(1);  // RunTimer's seconds
        return true;
    });
    table.Register(kGroupDialog, &groups);
    table.Register(kRenameDialog, &renames);
    table.Register(kNumberDialog, &number);
    table.Register(kChooserDialog, &chooser);
    table.Register(kEditorDialog, &modifier);

    std::vector<Row> rows;
    auto select = [&](TreePath path) {
        tree.Select(path);
        editor.FollowTreeSelection();
    };
    // Each run starts from the mission as it was; what the run did is undone untimed.
    auto timed = [&](const std::string& what, const TreePath& path, const std::function<bool()>& operation) {
        bool done = false;
        rows.push_back({what, Time(
                                  runs, [&] { done = operation(); },
                                  [&] {
                                      if (done) editor.Undo();
                                      select(path);
                                  })});
        Check(done, what + " did nothing");
        editor.Undo();
        rows.push_back({"  undo", Time(runs, [&] { editor.Undo(); }, [&] { select(path); operation(); })});
        select(path);
        operation();
        rows.push_back({"  redo", Time(runs, [&] { editor.Redo(); }, [&] { editor.Undo(); })});
        editor.Undo();
    };
    rows.push_back({"tree of the whole mission", Time(runs, [&] { editor.RebuildTree(); })});
    const int last = count;  // the spare trigger made count + 1
    timed("add an action to the last trigger", {last, 1, -1, -1, -1, -1, -1, -1}, [&] { return editor.AddAction(); });
    timed("modify an argument of the middle trigger", {spare + 1, 1, 0, -1, -1, -1, -1, -1},
          [&] { return editor.Modify(); });
    timed("move a trigger down", {spare - 1, -1, -1, -1, -1, -1, -1, -1}, [&] { return editor.MoveDown(); });
    timed("delete a trigger", {spare, -1, -1, -1, -1, -1, -1, -1}, [&] { return editor.Delete(); });
    timed("drag a trigger from the middle to the end", {spare - 1, -1, -1, -1, -1, -1, -1, -1},
          [&] { return editor.MoveTo(PathTo({spare - 1}), PathTo({last})); });
    timed("drag an action into the first trigger", {spare + 1, 1, 0, -1, -1, -1, -1, -1},
          [&] { return editor.MoveTo(PathTo({spare + 1, 1, 0}), PathTo({0, 1})); });
    return rows;
}

// Find, Where used and Check over the whole mission: not edits, with goals
// of their own.
std::vector<Row> MeasureSearches(const fs::path& game, int count, int runs) {
    Scenario scenario(game);
    Check(NewMission(scenario, "Maps\\Valley.m3d"), "The demo map cannot be read.");
    BuildTriggers(scenario, count);
    scenario.triggers.UpdateText(scenario);
    MissionFind find;
    Selection command;
    command.list = &dynamic_cast<CommandBlock&>(scenario.triggers.At(count / 2)).actions;
    command.index = 0;
    command.kind = ListKind::kActions;
    Selection trigger;
    trigger.list = &scenario.triggers;
    trigger.index = count / 2;
    trigger.kind = ListKind::kTriggers;
    std::size_t seen = 0;
    return {
        {"find, a letter nearly everything holds", Time(runs, [&] { find.Search(scenario, "e", ChangeTrail{}); })},
        {"find, one trigger's label", Time(runs, [&] { find.Search(scenario, "Trigger 5000", ChangeTrail{}); })},
        {"where used, a command's arguments",
         Time(runs, [&] { seen += UsesOfAll(scenario, ThingsOfSelection(scenario, command)).size(); })},
        {"where used, a trigger", Time(runs, [&] { seen += UsesOfAll(scenario, ThingsOfSelection(scenario, trigger)).size(); })},
        {"check", Time(runs, [&] { seen += MissionProblems(scenario).size(); })},
    };
}

// Replace everywhere of a timer that every trigger names: the count the
// question says, the replace with what it hands to the tree, its undo and
// redo.
std::vector<Row> MeasureReplace(const fs::path& game, int count, int runs) {
    Scenario scenario(game);
    Check(NewMission(scenario, "Maps\\Valley.m3d"), "The demo map cannot be read.");
    BuildTriggers(scenario, count);
    Calls calls(scenario);
    for (const auto& trigger : scenario.triggers)
        dynamic_cast<CommandBlock&>(*trigger).actions.Append(calls.Make("RunTimer", FormCall, {0, 60}));
    TreeCtrl tree;
    ControlTable::Instance().Register(kScenarioTree, &tree);
    Editor editor(scenario);
    editor.RebuildTree();
    const NamedThing from{"timers", 0}, to{"timers", 1};
    int commands = 0;
    std::vector<Row> rows;
    rows.push_back({"count what a replace changes", Time(runs, [&] { commands = CommandsReplaced(scenario, from, to); })});
    Check(commands >= count, "the replace does not reach every trigger");
    rows.push_back({"replace a timer every trigger names", Time(runs, [&] { editor.ReplaceUses(from, to); },
                                                               [&] { editor.Undo(); })});
    rows.push_back({"  undo", Time(runs, [&] { editor.Undo(); }, [&] { editor.Redo(); })});
    rows.push_back({"  redo", Time(runs, [&] { editor.Redo(); }, [&] { editor.Undo(); })});
    ControlTable::Instance().Unregister(&tree);
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    SizeOptions defaults;
    defaults.runs = 9;
    defaults.game = SCED_DEMO_GAME;
    return RunSizedBench(argc, argv, "editing_bench", defaults, [](const fs::path& game, const SizeOptions& options) {
        const int runs = options.runs;
        const std::vector<int>& sizes = options.sizes;
        std::vector<std::vector<Row>> results, searches, replaces;
        for (int size : sizes) results.push_back(Measure(game, size, runs));
        for (int size : sizes) searches.push_back(MeasureSearches(game, size, runs));
        for (int size : sizes) replaces.push_back(MeasureReplace(game, size, runs));
        PrintHeading(runs, sizes);
        auto said = [](bool met) { return met ? "met" : "NOT met"; };
        const bool edits = PrintRows(results, [](std::size_t r) { return r > 0 ? kGoalMs : kNoGoal; });
        std::cout << "\ngoal: every edit within " << kGoalMs << " ms at " << sizes.back() << " triggers: "
                  << said(edits) << "\n\n";
        // Check may take longer than a keystroke of Find.
        const std::size_t check = searches.front().size() - 1;
        const bool searched =
            PrintRows(searches, [check](std::size_t r) { return r == check ? kCheckGoalMs : kSearchGoalMs; });
        std::cout << "goal: find and where used within " << kSearchGoalMs << " ms, check within " << kCheckGoalMs
                  << " ms: " << said(searched) << "\n\n";
        const bool replaced = PrintRows(replaces, [](std::size_t) { return kReplaceGoalMs; });
        std::cout << "goal: a replace that touches every trigger within " << kReplaceGoalMs << " ms: "
                  << said(replaced) << '\n';
        return edits && searched && replaced;
    });
}

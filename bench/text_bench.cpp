// text_bench [--runs N] [--sizes 1000,10000] [--game DIR]
//
// Times the operations on many triggers at once on synthetic missions,
// each with what it hands to the tree control: every trigger selected and
// copied (and its script text written), that text pasted back after the last trigger,
// and every trigger of the paste deleted again; and undo and redo of the
// paste.

#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/control_table.h"
#include "core/scenario_error.h"
#include "editing/editor.h"
#include "files/mission_package.h"
#include "model/scenario.h"
#include "synthetic_mission.h"

namespace {

using namespace sced;
using namespace bench;

// The operations in the order measured; 0: no goal of its own.
struct Goal {
    const char* what;
    double ms;
};
constexpr Goal kGoals[] = {{"copy every trigger as text", 100},
                           {"paste them back as text", 300},
                           {"  undo the paste", 0},
                           {"  redo the paste", 0},
                           {"delete the pasted triggers", 0}};

std::vector<Row> Measure(const fs::path& game, int count, int runs) {
    Scenario scenario(game);
    Check(NewMission(scenario, "Maps\\Valley.m3d"), "The demo map cannot be read.");
    BuildTriggers(scenario, count);
    TreeCtrl tree;
    ControlTable::Instance().Register(kScenarioTree, &tree);
    Editor editor(scenario);
    editor.RebuildTree();
    auto selectAll = [&](int from, int to) {
        std::vector<TreePath> paths;
        for (int t = from; t < to; ++t) paths.push_back(PathTo({t}));
        tree.SelectMany(paths);
        editor.FollowTreeSelection();
    };
    std::string text;
    std::vector<double> ms;
    // Before each copy the clipboard holds one trigger, as it holds a few
    // commands when a designer goes on to copy a whole mission.
    ms.push_back(Time(runs, [&] { editor.Copy(), text = editor.SelectionText(); },
                      [&] {
                          selectAll(0, 1);
                          editor.Copy();
                          selectAll(0, count);
                      }));
    Check(text.size() > static_cast<std::size_t>(count), "Copy wrote no text.");
    bool pasted = false;
    auto pasteAtEnd = [&] {
        tree.Select(PathTo({scenario.triggers.count() - 1}));
        editor.FollowTreeSelection();
    };
    // The paste of the run before is undone, and the redo step that holds
    // its triggers dropped by a small edit, untimed: a designer's paste
    // follows other work, not a paste of 10,000 triggers undone.
    ms.push_back(Time(runs, [&] { pasted = editor.PasteText(text); },
                      [&] {
                          if (pasted) {
                              editor.Undo();
                              tree.Select(PathTo({0}));
                              editor.FollowTreeSelection();
                              editor.MoveDown();
                              editor.Undo();
                          }
                          pasteAtEnd();
                      }));
    Check(pasted && scenario.triggers.count() == 2 * count, "The text did not paste back.");
    ms.push_back(Time(runs, [&] { editor.Undo(); }, [&] { editor.Redo(); }));
    ms.push_back(Time(runs, [&] { editor.Redo(); }, [&] { editor.Undo(); }));
    bool deleted = false;
    ms.push_back(Time(runs, [&] { deleted = editor.Delete(); },
                      [&] {
                          if (deleted) editor.Undo();
                          selectAll(count, 2 * count);
                      }));
    Check(deleted && scenario.triggers.count() == count, "The pasted triggers were not deleted.");
    std::vector<Row> rows;
    for (std::size_t r = 0; r < ms.size(); ++r) rows.push_back({kGoals[r].what, ms[r]});
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    SizeOptions defaults;
    defaults.runs = 5;
    defaults.game = SCED_DEMO_GAME;
    return RunSizedBench(argc, argv, "text_bench", defaults, [](const fs::path& game, const SizeOptions& options) {
        const int runs = options.runs;
        const std::vector<int>& sizes = options.sizes;
        std::vector<std::vector<Row>> results;
        for (int size : sizes) results.push_back(Measure(game, size, runs));
        PrintHeading(runs, sizes);
        const bool met = PrintRows(results, [](std::size_t r) { return kGoals[r].ms > 0 ? kGoals[r].ms : kNoGoal; });
        std::cout << "\ngoal: the copy within " << kGoals[0].ms << " ms, the paste within " << kGoals[1].ms
                  << " ms at " << sizes.back() << " triggers: " << (met ? "met" : "NOT met") << '\n';
        return met;
    });
}

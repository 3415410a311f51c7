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
#include "core/string_table.h"
#include "core/warning.h"
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

std::vector<double> Measure(const fs::path& game, int count, int runs) {
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
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    SizeOptions options;
    options.runs = 5;
    options.game = SCED_DEMO_GAME;
    if (!ReadSizeOptions(argc, argv, "text_bench", options)) return 2;
    const int runs = options.runs;
    const std::vector<int>& sizes = options.sizes;
    SetWarningSink([](const std::string& text) { std::cerr << "warning: " << text << '\n'; });
    try {
        GameCopy game(options.game);
        StringTable::Instance().Load(game.path());
        std::vector<std::vector<double>> results;
        for (int size : sizes) results.push_back(Measure(game.path(), size, runs));
        std::cout << "median of " << runs << " runs, ms, each with what it hands to the tree\n\n";
        std::cout << std::left << std::setw(34) << "operation";
        for (int size : sizes) std::cout << std::right << std::setw(12) << (std::to_string(size) + " trig.");
        std::cout << std::setw(10) << "goal" << '\n';
        bool met = true;
        for (std::size_t r = 0; r < std::size(kGoals); ++r) {
            std::cout << std::left << std::setw(34) << kGoals[r].what << std::right << std::fixed << std::setprecision(1);
            for (const auto& ms : results) std::cout << std::setw(12) << ms[r];
            if (kGoals[r].ms > 0) std::cout << std::setw(10) << kGoals[r].ms;
            std::cout << '\n';
            met = met && (kGoals[r].ms == 0 || results.back()[r] <= kGoals[r].ms);
        }
        std::cout << "\ngoals at " << sizes.back() << " triggers: " << (met ? "met" : "NOT met") << '\n';
        return met ? 0 : 1;
    } catch (const ScenarioError& e) {
        std::cerr << "error: " << e.text() << '\n';
        return 1;
    }
}

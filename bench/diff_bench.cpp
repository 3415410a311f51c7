// diff_bench [--runs N] [--triggers N] [--game DIR]
//
// Times the comparison of two synthetic missions of 10,000 triggers that
// differ in a few places (a trigger put in near the start, one taken out,
// one moved, one repeat count changed): the comparison of two open
// missions, and the whole of `sced-cli diff` after start-up (both missions
// opened from their game folders, compared, the lines made). Goal: the
// whole within 1 s. Works on copies of the game folder in the temporary
// folder.

#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "core/game_path.h"
#include "editing/mission_diff.h"
#include "editing/trigger_references.h"
#include "files/mission_package.h"
#include "files/other_mission.h"
#include "files/script_writer.h"
#include "model/scenario.h"
#include "synthetic_mission.h"

namespace {

namespace fs = std::filesystem;
using namespace sced;
using namespace bench;

constexpr std::string_view kMap = "Maps\\Valley.m3d";
constexpr double kGoalMs = 1000.0;

// Moves the trigger, its references following it.
void MoveTrigger(Scenario& s, int from, int to) {
    RenumberTriggerReferences(s, [&](int p) {
        if (p == from) return to;
        if (from < to && p > from && p <= to) return p - 1;
        if (to < from && p >= to && p < from) return p + 1;
        return p;
    });
    s.triggers.Insert(to, s.triggers.Unlink(from));
}

// The second version: a trigger put in near the start, one taken out, one
// moved, one repeat count changed.
void ChangeMission(Scenario& s) {
    const int count = s.triggers.count();
    std::unique_ptr<Command> added = s.triggers.At(0).Clone();
    added->text = "Put in";
    RenumberTriggerReferences(s, [](int p) { return p >= 10 ? p + 1 : p; });
    s.triggers.Insert(10, std::move(added));
    const int gone = count / 2;
    RenumberTriggerReferences(s, [&](int p) { return p > gone ? p - 1 : p; });
    s.triggers.Remove(gone);
    MoveTrigger(s, count * 7 / 10, 100);
    dynamic_cast<CommandBlock&>(s.triggers.At(count * 3 / 10)).times = 9;
    s.triggers.UpdateText(s);
}

fs::path SavedMission(const fs::path& game, int triggers, bool changed) {
    Scenario s(game);
    Check(NewMission(s, kMap), "The demo map cannot be read.");
    BuildTriggers(s, triggers);
    if (changed) ChangeMission(s);
    SaveMission(s);
    return PathsOf(s).descriptor;
}

int Usage() {
    std::cerr << "usage: diff_bench [--runs N] [--triggers N] [--game DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 9;
    int triggers = 10000;
    fs::path source = SCED_DEMO_GAME;
    try {
        for (int i = 1; i < argc; ++i) {
            std::string_view arg = argv[i];
            if (i + 1 < argc && arg == "--runs")
                runs = std::stoi(argv[++i]);
            else if (i + 1 < argc && arg == "--triggers")
                triggers = std::stoi(argv[++i]);
            else if (i + 1 < argc && arg == "--game")
                source = argv[++i];
            else
                return Usage();
        }
    } catch (const std::exception&) {
        return Usage();
    }
    if (runs < 1 || triggers < 1000) return Usage();

    int warnings = 0;
    SetWarningSink([&](const std::string&) { ++warnings; });
    double compare = 0, whole = 0;
    std::size_t lines = 0;
    try {
        GameCopy first(source), second(source);
        const fs::path gameA = MakeGameFolder(first.path()), gameB = MakeGameFolder(second.path());
        StringTable::Instance().Load(gameA);
        const fs::path a = SavedMission(gameA, triggers, false), b = SavedMission(gameB, triggers, true);

        Scenario edited(gameA);
        auto diff = [&](Scenario& before, Scenario& after) {
            const MissionText textA = TextForComparison(before, "A"), textB = TextForComparison(after, "B");
            return DifferenceLines(CompareMissions(textA, textB), textA, textB);
        };
        {
            std::unique_ptr<Scenario> before = OpenOtherMission(edited, gameA, a);
            std::unique_ptr<Scenario> after = OpenOtherMission(edited, gameB, b);
            compare = Time(runs, [&] { lines = diff(*before, *after).size(); });
        }
        whole = Time(runs, [&] {
            std::unique_ptr<Scenario> before = OpenOtherMission(edited, gameA, a);
            std::unique_ptr<Scenario> after = OpenOtherMission(edited, gameB, b);
            Check(diff(*before, *after).size() == lines, "The difference changed between runs.");
        });
        // Put in, taken out, moved, changed: the headers, four headings and
        // one short hunk; never every trigger after the one put in.
        Check(lines > 6 && lines < 40, "The difference has " + std::to_string(lines) + " lines.");
    } catch (const ScenarioError& e) {
        std::cerr << "diff_bench: " << e.text() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "diff_bench: " << e.what() << '\n';
        return 1;
    }
    std::cout << "median of " << runs << " runs, ms; two missions of " << triggers << " triggers, " << lines
              << " lines of difference\n"
              << "  compare the open missions:        " << std::setw(9) << Fixed(compare, 2) << '\n'
              << "  sced-cli diff after start-up:     " << std::setw(9) << Fixed(whole, 2) << '\n'
              << "goal: sced-cli diff within " << kGoalMs << " ms: " << (whole <= kGoalMs ? "met" : "NOT met") << '\n';
    if (warnings > 0) std::cout << warnings << " warnings were shown\n";
    return 0;
}

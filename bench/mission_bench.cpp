// mission_bench [--runs N] [--sizes 1000,10000] [--if-sizes 2000,20000] [--phases] [--game DIR]
//
// Times opening (OpenMission: unscramble, parse, bind) and saving
// (SaveMission) of synthetic missions with the given trigger counts, against
// reading and writing the same number of bytes raw, and prints the medians,
// the ratios and the growth from the smallest to the largest mission.
// Times the recovery copy too: its snapshot and its write.
// Then times parsing a hand-written script of one trigger full of IF blocks
// with CR-only line ends and their brackets on the IF's own line, at two
// sizes, to show that parsing stays linear whatever the script's layout.
// Works on a copy of the game folder in the temporary folder.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iomanip>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_write.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "declarations/function_template.h"
#include "files/mission_package.h"
#include "files/recovery_copy.h"
#include "files/scramble.h"
#include "files/script_parser.h"
#include "files/script_writer.h"
#include "model/command_tree.h"
#include "model/page_table.h"
#include "model/scenario.h"
#include "synthetic_mission.h"

namespace {

namespace fs = std::filesystem;
using namespace sced;
using namespace bench;

constexpr std::string_view kMap = "Maps\\Valley.m3d";

// Opening may take this many times the raw read of the script's bytes, and
// saving this many times the raw write.
constexpr double kRatioGoal = 20.0;
// Ten times the triggers may cost at most this many times as much.
constexpr double kGrowthSlack = 1.2;

std::string RawRead(const fs::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    Check(static_cast<bool>(in), "cannot read " + file.string());
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void RawWrite(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    Check(static_cast<bool>(out), "cannot write " + file.string());
}

struct Figures {
    int triggers = 0;
    std::size_t bytes = 0;
    double open = 0, save = 0, rawRead = 0, rawWrite = 0;
    // Phases, when asked for.
    double openMap = 0, openRead = 0, openParse = 0, openText = 0;
    double saveBuild = 0, saveScramble = 0;
    // The recovery copy: the snapshot on the editor's thread (in all, and
    // its longest slice), the write on the writer's.
    double recoverySnapshot = 0, recoverySlice = 0, recoveryWrite = 0;
};

Figures Measure(const fs::path& game, int count, int runs, bool phases) {
    Figures f;
    f.triggers = count;
    Scenario scenario(game);
    Check(NewMission(scenario, kMap), "The demo map cannot be read.");
    BuildTriggers(scenario, count);
    const fs::path script = PathsOf(scenario).script;

    SaveMission(scenario);  // the folders exist and the caches are warm from here on
    f.save = Time(runs, [&] { SaveMission(scenario); });
    const std::string written = *scenario.scriptText;

    f.bytes = fs::file_size(script);
    const fs::path raw = game / "raw.bin";
    const std::string bytes = RawRead(script);
    f.rawWrite = Time(runs, [&] { RawWrite(raw, bytes); });
    f.rawRead = Time(runs, [&] { Check(RawRead(script).size() == f.bytes, "short read"); });
    fs::remove(raw);

    const fs::path recovery = RecoveryFolder(game / "recovery", game);
    f.recoverySnapshot = Time(runs, [&] { TakeRecoverySnapshot(scenario); });
    std::vector<double> slices;
    for (int run = 0; run < runs; ++run) {
        RecoverySnapshotBuilder builder(scenario);
        for (bool whole = false; !whole;) {
            const auto start = Clock::now();
            whole = builder.Step(std::chrono::milliseconds(3));
            slices.push_back(Milliseconds(Clock::now() - start));
        }
    }
    f.recoverySlice = *std::max_element(slices.begin(), slices.end());
    const RecoverySnapshot snapshot = TakeRecoverySnapshot(scenario);
    f.recoveryWrite = Time(runs, [&] { Check(WriteRecoveryCopy(recovery, snapshot), "cannot keep the copy"); });
    fs::remove_all(game / "recovery");

    f.open = Time(runs, [&] { OpenMission(scenario, kMap, false); });
    Check(scenario.triggers.count() == count && scenario.leftOut.empty(),
          "The opened mission lost triggers or commands.");
    Check(WithCrLf(BuildScript(scenario)) == written, "The opened mission does not write back the same script.");

    if (phases) {
        f.openMap = Time(runs, [&] { OpenMission(scenario, kMap, true); });
        f.openRead = Time(runs, [&] {
            scenario.scriptText = ReadWholeFile(script);
            Scramble(*scenario.scriptText);
        });
        f.openParse = Time(
            runs,
            [&] { ParseScript(scenario); },
            [&] {
                OpenMission(scenario, kMap, true);
                scenario.scriptText = ReadWholeFile(script);
                Scramble(*scenario.scriptText);
                Pages().Clear();
            });
        f.openText = Time(runs, [&] {
            scenario.objectGroups.UniquifyDynGroups();
            scenario.triggers.UpdateText(scenario);
        });
        std::string built;
        f.saveBuild = Time(runs, [&] { built = BuildScript(scenario); });
        f.saveScramble = Time(runs, [&] {
            std::string scrambled = WithCrLf(built);
            Scramble(scrambled);
        });
    }
    return f;
}

// A hand-written script: one trigger of ifCount IF blocks, every other one
// nested in the one before, with CR-only line ends and inline brackets.
std::string HandWrittenIfs(int ifCount, const std::string& group, const std::string& zone) {
    std::string text = "#SCRIPT\rCONDITION \t ALWAYS\rACTION \t\t\r";
    for (int i = 0; i < ifCount / 2; ++i) {
        std::string k = std::to_string(i % 256);
        if (i > 0) text += ", \r";
        text += "\tIF SwitchIsOn( " + k + " ) [ SwitchOn( " + k + " ), IF  ALWAYS [ SwitchOff( " + k +
                " ) ] ] ELSE [ MoveGroup( " + group + "," + zone + " ) ]";
    }
    return text + " \r\r#END\r";
}

struct IfFigures {
    int ifs = 0;
    std::size_t bytes = 0;
    double parse = 0;
};

IfFigures MeasureIfs(const fs::path& game, int ifCount, int runs) {
    Scenario scenario(game);
    Check(NewMission(scenario, kMap), "The demo map cannot be read.");
    const std::string text = HandWrittenIfs(ifCount, scenario.objectGroups.GetGroup("groups")[0],
                                            scenario.objectGroups.GetGroup("zones")[0]);
    IfFigures f{ifCount, text.size(), 0};
    f.parse = Time(runs, [&] { ParseScript(scenario); }, [&] { scenario.scriptText = text; });
    Check(scenario.triggers.count() == 1, "The hand-written script did not open as one trigger.");
    const auto& trigger = dynamic_cast<const CommandBlock&>(scenario.triggers.At(0));
    Check(trigger.actions.count() == ifCount / 2 && scenario.leftOut.empty(),
          "The hand-written script lost IF blocks or commands.");
    return f;
}

std::vector<int> ParseSizes(std::string_view text) {
    std::vector<int> sizes;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t stop = std::min(text.find(',', start), text.size());
        sizes.push_back(std::stoi(std::string(text.substr(start, stop - start))));
        start = stop + 1;
    }
    return sizes;
}

int Usage() {
    std::cerr << "usage: mission_bench [--runs N] [--sizes 1000,10000] [--if-sizes 2000,20000] [--phases] "
                 "[--game DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 9;
    std::vector<int> sizes = {1000, 10000};
    std::vector<int> ifSizes = {2000, 20000};
    bool phases = false;
    fs::path source = SCED_DEMO_GAME;
    try {
        for (int i = 1; i < argc; ++i) {
            std::string_view arg = argv[i];
            if (arg == "--phases") {
                phases = true;
            } else if (i + 1 < argc && arg == "--runs") {
                runs = std::stoi(argv[++i]);
            } else if (i + 1 < argc && arg == "--sizes") {
                sizes = ParseSizes(argv[++i]);
            } else if (i + 1 < argc && arg == "--if-sizes") {
                ifSizes = ParseSizes(argv[++i]);
            } else if (i + 1 < argc && arg == "--game") {
                source = argv[++i];
            } else {
                return Usage();
            }
        }
    } catch (const std::exception&) {
        return Usage();
    }
    auto invalid = [](const std::vector<int>& list) {
        return list.empty() || std::any_of(list.begin(), list.end(), [](int n) { return n < 1; });
    };
    if (runs < 1 || invalid(sizes) || invalid(ifSizes)) return Usage();
    std::sort(sizes.begin(), sizes.end());
    std::sort(ifSizes.begin(), ifSizes.end());

    int warnings = 0;
    SetWarningSink([&](const std::string&) { ++warnings; });
    std::vector<Figures> results;
    std::vector<IfFigures> ifResults;
    try {
        GameCopy copy(source);
        fs::path game = MakeGameFolder(copy.path());
        StringTable::Instance().Load(game);
        for (int n : sizes) results.push_back(Measure(game, n, runs, phases));
        for (int n : ifSizes) ifResults.push_back(MeasureIfs(game, n, runs));
    } catch (const ScenarioError& e) {
        std::cerr << "mission_bench: " << e.text() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "mission_bench: " << e.what() << '\n';
        return 1;
    }

    std::cout << "median of " << runs << " runs, ms; ratios to the raw read/write of the .cms bytes\n\n";
    std::cout << std::left << std::setw(9) << "triggers" << std::right << std::setw(11) << "cms bytes"
              << std::setw(10) << "open" << std::setw(10) << "raw read" << std::setw(9) << "ratio" << std::setw(10)
              << "save" << std::setw(10) << "raw write" << std::setw(9) << "ratio" << '\n';
    for (const Figures& f : results)
        std::cout << std::left << std::setw(9) << f.triggers << std::right << std::setw(11) << f.bytes
                  << std::setw(10) << Fixed(f.open, 2) << std::setw(10) << Fixed(f.rawRead, 3) << std::setw(9)
                  << Fixed(f.open / f.rawRead, 1) << std::setw(10) << Fixed(f.save, 2) << std::setw(10)
                  << Fixed(f.rawWrite, 3) << std::setw(9) << Fixed(f.save / f.rawWrite, 1) << '\n';

    if (phases) {
        std::cout << "\nphases, ms\n"
                  << std::left << std::setw(9) << "triggers" << std::right << std::setw(10) << "map" << std::setw(10)
                  << "read" << std::setw(10) << "parse" << std::setw(10) << "texts" << std::setw(12) << "build"
                  << std::setw(12) << "crlf+xor" << '\n';
        for (const Figures& f : results)
            std::cout << std::left << std::setw(9) << f.triggers << std::right << std::setw(10)
                      << Fixed(f.openMap, 2) << std::setw(10) << Fixed(f.openRead, 2) << std::setw(10)
                      << Fixed(f.openParse, 2) << std::setw(10) << Fixed(f.openText, 2) << std::setw(12)
                      << Fixed(f.saveBuild, 2) << std::setw(12) << Fixed(f.saveScramble, 2) << '\n';
    }

    std::cout << "\nrecovery copy, ms: the snapshot in all and its longest 3 ms slice on the editor's thread, the "
                 "write on its own\n"
              << std::left << std::setw(9) << "triggers" << std::right << std::setw(10) << "snapshot" << std::setw(10)
              << "slice" << std::setw(10) << "write" << '\n';
    for (const Figures& f : results)
        std::cout << std::left << std::setw(9) << f.triggers << std::right << std::setw(10)
                  << Fixed(f.recoverySnapshot, 2) << std::setw(10) << Fixed(f.recoverySlice, 2) << std::setw(10)
                  << Fixed(f.recoveryWrite, 2) << '\n';

    const Figures& large = results.back();
    bool met = true;
    auto verdict = [&](bool ok) {
        met = met && ok;
        return ok ? "met" : "NOT met";
    };
    std::cout << "\ngoals\n";
    std::cout << "  open " << large.triggers << " within " << kRatioGoal << "x raw read: "
              << Fixed(large.open / large.rawRead, 1) << "x, " << verdict(large.open <= kRatioGoal * large.rawRead)
              << '\n';
    std::cout << "  save " << large.triggers << " within " << kRatioGoal << "x raw write: "
              << Fixed(large.save / large.rawWrite, 1) << "x, "
              << verdict(large.save <= kRatioGoal * large.rawWrite) << '\n';
    if (results.size() > 1) {
        const Figures& small = results.front();
        double limit = kGrowthSlack * large.triggers / small.triggers;
        std::cout << "  growth " << small.triggers << " -> " << large.triggers << " at most " << Fixed(limit, 1)
                  << "x: open " << Fixed(large.open / small.open, 1) << "x, "
                  << verdict(large.open <= limit * small.open) << "; save " << Fixed(large.save / small.save, 1)
                  << "x, " << verdict(large.save <= limit * small.save) << '\n';
    }
    std::cout << "\nhand-written IF blocks, CR line ends, brackets inline: parse, ms\n"
              << std::left << std::setw(9) << "IFs" << std::right << std::setw(11) << "bytes" << std::setw(10)
              << "parse" << '\n';
    for (const IfFigures& f : ifResults)
        std::cout << std::left << std::setw(9) << f.ifs << std::right << std::setw(11) << f.bytes << std::setw(10)
                  << Fixed(f.parse, 2) << '\n';
    if (ifResults.size() > 1) {
        const IfFigures& small = ifResults.front();
        const IfFigures& big = ifResults.back();
        double limit = kGrowthSlack * big.ifs / small.ifs;
        std::cout << "  growth " << small.ifs << " -> " << big.ifs << " IFs at most " << Fixed(limit, 1)
                  << "x: parse " << Fixed(big.parse / small.parse, 1) << "x, "
                  << verdict(big.parse <= limit * small.parse) << '\n';
    }
    if (warnings > 0) std::cout << "\n" << warnings << " warnings were shown\n";
    std::cout << (met ? "\nall goals met\n" : "\nsome goals NOT met\n");
    return 0;
}

#pragma once

// What the benchmarks share: a scratch copy of the game folder, timing by
// the median of runs, and synthetic missions of many triggers.

#include <chrono>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/command_tree.h"

namespace sced {
class Scenario;
class Template;
}  // namespace sced

namespace bench {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A copy of the game folder, removed at the end.
class GameCopy {
public:
    explicit GameCopy(const fs::path& source);
    ~GameCopy();
    GameCopy(const GameCopy&) = delete;
    GameCopy& operator=(const GameCopy&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

double Milliseconds(Clock::duration d);
// The value with that many decimals.
std::string Fixed(double value, int decimals);
double Median(std::vector<double> values);
// The median time of the runs, in ms; setup runs untimed before each run.
double Time(int runs, const std::function<void()>& body, const std::function<void()>& setup = {});

// One timed operation of a table: what it is, its median time.
struct Row {
    std::string what;
    double ms = 0;
};
// A row with no goal of its own.
inline constexpr double kNoGoal = 1e300;
// The heading of a table of rows per mission size.
void PrintHeading(int runs, const std::vector<int>& sizes);
// Prints the rows of each mission size side by side; whether each row of
// the largest size is within the goal the function gives it.
bool PrintRows(const std::vector<std::vector<Row>>& sizes, const std::function<double(std::size_t row)>& goal);

// The options of a benchmark over missions of several sizes:
// [--runs N] [--sizes 1000,10000] [--game DIR].
struct SizeOptions {
    int runs = 9;
    std::vector<int> sizes = {1000, 10000};
    fs::path game;
};
// Reads them over the defaults; false, with the usage on standard error,
// for anything else.
bool ReadSizeOptions(int argc, char** argv, const std::string& program, SizeOptions& options);
// Runs a benchmark over missions of several sizes: reads the options over
// the defaults, loads the strings of a copy of the game folder and runs the
// body on that copy, which says whether its goals were met. The exit
// status: 0 met, 1 not met or an error (said on standard error), 2 wrong
// usage.
int RunSizedBench(int argc, char** argv, const std::string& program, SizeOptions defaults,
                  const std::function<bool(const fs::path& game, const SizeOptions& options)>& body);

// Builds calls of the declared functions, found once by name and form.
class Calls {
public:
    explicit Calls(sced::Scenario& scenario) : scenario_(scenario) {}
    std::unique_ptr<sced::TermCommand> Make(std::string_view name, int form, std::initializer_list<std::int32_t> values);

private:
    const sced::Template& Find(std::string_view name, int form);

    sced::Scenario& scenario_;
    std::vector<std::pair<std::pair<std::string, int>, const sced::Template*>> found_;
};

// Triggers of 2-3 conditions, a TIMES line, four actions and an IF with an
// ELSE, their values varied over the demo's switches, timers, groups and
// zones; each trigger enables its neighbours.
void BuildTriggers(sced::Scenario& s, int count);

}  // namespace bench

#include "synthetic_mission.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <random>
#include <sstream>

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "declarations/function_template.h"
#include "model/scenario.h"

namespace bench {

using namespace sced;

GameCopy::GameCopy(const fs::path& source) {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("sced-bench-" + std::to_string(random()));
    fs::create_directories(path_);
    fs::copy(source, path_, fs::copy_options::recursive);
}

GameCopy::~GameCopy() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::string Fixed(double value, int decimals) {
    std::ostringstream out;
    out << std::fixed << std::setprecision(decimals) << value;
    return out.str();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Time(int runs, const std::function<void()>& body, const std::function<void()>& setup) {
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        if (setup) setup();
        auto start = Clock::now();
        body();
        times.push_back(Milliseconds(Clock::now() - start));
    }
    return Median(std::move(times));
}

std::unique_ptr<TermCommand> Calls::Make(std::string_view name, int form, std::initializer_list<std::int32_t> values) {
    const Template& function = Find(name, form);
    auto command = std::make_unique<TermCommand>();
    command->Bind(function);
    int i = 0;
    for (std::int32_t value : values) command->SetArg(scenario_, i++, value);
    return command;
}

const Template& Calls::Find(std::string_view name, int form) {
    for (const auto& [key, function] : found_)
        if (key.first == name && key.second == form) return *function;
    for (const Template& function : scenario_.functions)
        if (function.name == name && function.form == form) {
            found_.push_back({{std::string(name), form}, &function});
            return function;
        }
    Fail("no function " + std::string(name));
}

void BuildTriggers(Scenario& s, int count) {
    Calls c(s);
    const int groups = s.objectGroups.GetGroup("groups").count();
    const int zones = s.objectGroups.GetGroup("zones").count();
    const int switches = s.objectGroups.GetGroup("switches").count();
    const int timers = s.objectGroups.GetGroup("timers").count();
    for (int i = 0; i < count; ++i) {
        auto trigger = std::make_unique<CommandBlock>();
        trigger->text = "Trigger " + std::to_string(i);
        trigger->times = 1 + i % 5;
        ConditionList& when = trigger->conditions;
        when.list.Append(c.Make("TimerValue", FormCompare, {i % timers, i % 4, 10 + i % 300}));
        when.list.Append(c.Make("SwitchIsOn", i % 2 ? FormNot : FormCall, {i % switches}));
        if (i % 2 == 0) when.list.Append(c.Make("GroupInZone", FormCall, {i % groups, (i + 1) % zones}));

        CommandSeq& actions = trigger->actions;
        actions.Append(c.Make("RunTimer", FormCall, {i % timers, 60 + i % 500}));
        actions.Append(c.Make("MoveGroup", FormCall, {(i + 1) % groups, i % zones}));
        auto choice = std::make_unique<IfBlock>();
        choice->conditions.list.Append(c.Make("SwitchIsOn", FormCall, {(i + 7) % switches}));
        choice->thenCommands.Append(c.Make("SwitchOn", FormCall, {(i + 3) % switches}));
        choice->thenCommands.Append(c.Make("EnableTrigger", FormCall, {(i + 1) % count}));
        choice->elseCommands.Append(c.Make("MoveGroup", FormCall, {i % groups, (i + 2) % zones}));
        choice->elseCommands.Append(c.Make("RunTimer", FormCall, {(i + 1) % timers, 30}));
        actions.Append(std::move(choice));
        actions.Append(c.Make("SwitchOn", FormCall, {i % switches}));
        actions.Append(c.Make("EnableTrigger", FormCall, {(i + count - 1) % count}));
        s.triggers.Append(std::move(trigger));
    }
    s.triggers.UpdateText(s);
}

bool ReadSizeOptions(int argc, char** argv, const std::string& program, SizeOptions& options) {
    for (int i = 1; i < argc; i += 2) {
        std::string option = argv[i];
        bool known = i + 1 < argc && (option == "--runs" || option == "--game" || option == "--sizes");
        if (!known) {
            std::cerr << "usage: " << program << " [--runs N] [--sizes 1000,10000] [--game DIR]\n";
            return false;
        }
        if (option == "--runs") options.runs = std::max(1, std::atoi(argv[i + 1]));
        if (option == "--game") options.game = argv[i + 1];
        if (option != "--sizes") continue;
        options.sizes.clear();
        for (std::string_view list = argv[i + 1]; !list.empty();) {
            std::size_t comma = std::min(list.find(','), list.size());
            options.sizes.push_back(std::atoi(std::string(list.substr(0, comma)).c_str()));
            list.remove_prefix(std::min(comma + 1, list.size()));
        }
    }
    return true;
}

void PrintHeading(int runs, const std::vector<int>& sizes) {
    std::cout << "median of " << runs << " runs, ms, each with what it hands to the tree\n\n";
    std::cout << std::left << std::setw(44) << "operation";
    for (int size : sizes) std::cout << std::right << std::setw(12) << (std::to_string(size) + " trig.");
    std::cout << '\n';
}

bool PrintRows(const std::vector<std::vector<Row>>& sizes, const std::function<double(std::size_t row)>& goal) {
    bool met = true;
    for (std::size_t r = 0; r < sizes.front().size(); ++r) {
        std::cout << std::left << std::setw(44) << sizes.front()[r].what << std::right << std::fixed
                  << std::setprecision(3);
        for (const auto& rows : sizes) std::cout << std::setw(12) << rows[r].ms;
        std::cout << '\n';
        met = met && sizes.back()[r].ms <= goal(r);
    }
    return met;
}

int RunSizedBench(int argc, char** argv, const std::string& program, SizeOptions options,
                  const std::function<bool(const fs::path& game, const SizeOptions& options)>& body) {
    if (!ReadSizeOptions(argc, argv, program, options)) return 2;
    sced::SetWarningSink([](const std::string& text) { std::cerr << "warning: " << text << '\n'; });
    try {
        GameCopy game(options.game);
        sced::StringTable::Instance().Load(game.path());
        return body(game.path(), options) ? 0 : 1;
    } catch (const sced::ScenarioError& e) {
        std::cerr << "error: " << e.text() << '\n';
        return 1;
    }
}

}  // namespace bench

// sced-cli: the editor's start-up and file operations without windows.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <iostream>

#include "cli/commands.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"

namespace {

constexpr int kExitError = 1;
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    using namespace sced;
    CLI::App app{"Tarvossa Scenario Editor, command-line tool", "sced-cli"};
    std::string gameDir;
    bool utf8 = false;
    app.add_option("-C", gameDir, "the game folder (default: the current folder)");
    app.add_flag("--utf8", utf8, "print texts as UTF-8 instead of code page 1251");
    app.require_subcommand(1, 1);

    std::function<void(Scenario&, cli::Output&)> command;
    app.add_subcommand("functions", "the declared functions")->callback([&] {
        command = [](Scenario& s, cli::Output& out) { cli::PrintFunctions(s, out); };
    });
    app.add_subcommand("groups", "the object groups")->callback([&] {
        command = [](Scenario& s, cli::Output& out) { cli::PrintGroups(s, out); };
    });
    app.add_subcommand("lists", "the formation, unit and upgrade lists")->callback([&] {
        command = [](Scenario& s, cli::Output& out) { cli::PrintLists(s, out); };
    });

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }

    auto shown = [utf8](const std::string& text) { return utf8 ? cli::Cp1251ToUtf8(text) : text; };
    SetWarningSink([shown](const std::string& text) {
        std::cerr << "ScenarioEditor: " << shown(text) << '\n';
    });
    try {
        std::filesystem::path folder =
            MakeGameFolder(gameDir.empty() ? std::filesystem::current_path() : std::filesystem::path(gameDir));
        StringTable::Instance().Load(folder);
        Scenario scenario(folder);
        cli::Output out(std::cout, utf8);
        command(scenario, out);
    } catch (const ScenarioError& e) {
        std::cout.flush();
        std::cerr << "Tarvossa Scenario Editor Error: " << shown(e.text()) << '\n';
        return kExitError;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "Tarvossa Scenario Editor Error: " << e.what() << '\n';
        return kExitError;
    }
    std::cout.flush();
    return std::cout ? 0 : kExitError;
}

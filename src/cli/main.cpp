// sced-cli: the editor's start-up and file operations without windows.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <iostream>

#include "cli/commands.h"
#include "core/file_write.h"
#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "editing/listing.h"
#include "files/dump_file.h"
#include "files/mission_package.h"
#include "files/scramble.h"
#include "files/script_writer.h"

namespace {

constexpr int kExitError = 1;
constexpr int kExitUsage = 2;

using namespace sced;

// A command: what it does with the started scenario; its exit status.
using CliCommand = std::function<int(Scenario&, cli::Output&)>;

void PrintSaved(const std::vector<std::filesystem::path>& files, cli::Output& out) {
    for (const auto& file : files) out.Line(file.string());
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Tarvossa Scenario Editor, command-line tool", "sced-cli"};
    std::string gameDir;
    bool utf8 = false;
    app.add_option("-C", gameDir, "the game folder (default: the current folder)");
    app.add_flag("--utf8", utf8, "print texts as UTF-8 instead of code page 1251");
    app.require_subcommand(1, 1);

    CliCommand command;
    std::string mission, path, second;
    auto add = [&](const char* name, const char* help, CliCommand action) {
        CLI::App* sub = app.add_subcommand(name, help);
        sub->callback([&command, action] { command = action; });
        return sub;
    };

    add("functions", "the declared functions", [](Scenario& s, cli::Output& out) {
        cli::PrintFunctions(s, out);
        return 0;
    });
    add("groups", "the object groups (of the mission, when one is named)", [&](Scenario& s, cli::Output& out) {
        if (!mission.empty()) cli::OpenNamedMission(s, mission);
        cli::PrintGroups(s, out);
        return 0;
    })->add_option("MISSION", mission, "a mission's name or the path of its .add file");
    add("lists", "the formation, unit and upgrade lists", [](Scenario& s, cli::Output& out) {
        cli::PrintLists(s, out);
        return 0;
    });
    add("map", "the zones and groups of a map", [&](Scenario& s, cli::Output& out) {
        return cli::PrintMap(s, path, out) ? 0 : kExitError;
    })->add_option("MAPPATH", path)->required();
    add("missions", "the user missions", [](Scenario& s, cli::Output& out) {
        cli::PrintMissions(s, out);
        return 0;
    });
    add("tree", "the scenario tree of a mission", [&](Scenario& s, cli::Output& out) {
        cli::OpenNamedMission(s, mission);
        cli::PrintTree(s, out);
        return 0;
    })->add_option("MISSION", mission)->required();
    CLI::App* listing = add("listing", "the listing of a mission", [&](Scenario& s, cli::Output& out) {
        cli::OpenNamedMission(s, mission);
        if (path.empty()) {
            // The listing's own bytes, CR LF included.
            std::string listing = WithCrLf(ListingText(s));
            std::cout << (utf8 ? cli::Cp1251ToUtf8(listing) : listing);
            return 0;
        }
        Check(WriteListing(s, path), "The listing cannot be written to " + path + ".");
        (void)out;
        return 0;
    });
    listing->add_option("MISSION", mission)->required();
    listing->add_option("OUT", path);
    add("check", "the commands that opening a mission leaves out", [&](Scenario& s, cli::Output& out) {
        cli::OpenNamedMission(s, mission);
        return cli::PrintLeftOut(s, out);
    })->add_option("MISSION", mission)->required();
    add("new", "a new mission on a map, saved", [&](Scenario& s, cli::Output& out) {
        Check(NewMission(s, path), "The map " + path + " cannot be read.");
        PrintSaved(SaveMission(s), out);
        return 0;
    })->add_option("MAPPATH", path)->required();
    add("resave", "opens a mission and saves it again", [&](Scenario& s, cli::Output& out) {
        cli::OpenNamedMission(s, mission);
        PrintSaved(SaveMission(s), out);
        return 0;
    })->add_option("MISSION", mission)->required();
    CLI::App* dumpExport = add("dump-export", "writes the dump of a mission", [&](Scenario& s, cli::Output&) {
        cli::OpenNamedMission(s, mission);
        Check(WriteDump(s, path), "The dump cannot be written to " + path + ".");
        return 0;
    });
    dumpExport->add_option("MISSION", mission)->required();
    dumpExport->add_option("OUT", path)->required();
    CLI::App* dumpImport = add("dump-import", "renames a mission's texts from a dump, saved", [&](Scenario& s, cli::Output&) {
        cli::OpenNamedMission(s, mission);
        Check(ReadDump(s, path), "The dump " + path + " cannot be read.");
        s.triggers.UpdateText(s);
        SaveMission(s);
        return 0;
    });
    dumpImport->add_option("MISSION", mission)->required();
    dumpImport->add_option("IN", path)->required();
    CLI::App* scramble = add("scramble", "scrambles or unscrambles a file", [&](Scenario&, cli::Output&) {
        auto bytes = ReadWholeFile(path);
        Check(bytes.has_value(), "Cannot read " + path + ".");
        Scramble(*bytes);
        Check(WriteFileAtomically(second, *bytes), "Cannot write " + second + ".");
        return 0;
    });
    scramble->add_option("IN", path)->required();
    scramble->add_option("OUT", second)->required();
    add("delete", "deletes a mission's descriptor", [&](Scenario& s, cli::Output&) {
        DeleteMission(FindMissionDescriptor(s, mission));
        return 0;
    })->add_option("MISSION", mission)->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }

    auto shown = [utf8](const std::string& text) { return utf8 ? cli::Cp1251ToUtf8(text) : text; };
    SetWarningSink([shown](const std::string& text) { std::cerr << "ScenarioEditor: " << shown(text) << '\n'; });
    int status = 0;
    try {
        std::filesystem::path folder =
            MakeGameFolder(gameDir.empty() ? std::filesystem::current_path() : std::filesystem::path(gameDir));
        StringTable::Instance().Load(folder);
        Scenario scenario(folder);
        cli::Output out(std::cout, utf8);
        status = command(scenario, out);
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
    return std::cout ? status : kExitError;
}

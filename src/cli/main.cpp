// sced-cli: the editor's start-up and file operations without windows.

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <variant>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/designer_script.h"
#include "core/code_page.h"
#include "core/file_write.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "editing/listing.h"
#include "editing/mission_search.h"
#include "files/dump_file.h"
#include "files/mission_package.h"
#include "files/scramble.h"
#include "files/script_writer.h"
#include "model/written_names.h"

namespace {

constexpr int kExitError = 1;
constexpr int kExitUsage = 2;

namespace fs = std::filesystem;
using namespace sced;

// A command that needs the game's start-up, and one that needs only the
// folder it was given (-C, else the current folder).
using GameCommand = std::function<int(Scenario&, cli::Output&)>;
using FolderCommand = std::function<int(const fs::path&, cli::Output&)>;
using CliCommand = std::variant<GameCommand, FolderCommand>;

constexpr const char* kFooter =
    "MISSION is a mission's name (the base name of its .add file in \"UserMissions\") or the path of an "
    ".add file.\n"
    "MAPPATH is a map's path, such as \"Maps\\Valley.m3d\", taken from the game folder when relative; the other "
    "file arguments are taken from the current folder.\n"
    "Exit status: 0 done; 1 an error of the editor (its text on standard error); 2 wrong usage; 3 for check, "
    "when opening the mission lost or changed something, commands name zones or groups the map does not have, or "
    "saving it would fail; 4 for edit, when the script stopped (nothing is saved then). diff exits 0 when the "
    "missions are equal, 1 when they differ and 2 on any error.";

constexpr const char* kMissionHelp = "the mission: its name, or the path of its .add file";
constexpr const char* kForceHelp =
    "save even though opening the mission lost something, commands name zones or groups the map does not have, "
    "or the map lies outside the game folder";

// The first word that is no option names the command; an unknown one is
// said with the commands there are. "" when it is known, or there is none.
std::string UnknownCommand(const CLI::App& app, int argc, char** argv) {
    std::vector<std::string> names;
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
        names.push_back(sub->get_name());
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (word == "-C") ++i;
        if (word.starts_with('-')) continue;
        if (std::find(names.begin(), names.end(), word) != names.end()) return "";
        std::string text = "Unknown command \"" + std::string(word) + "\". The commands are:";
        for (const std::string& name : names) text += " " + name;
        return text + ".\nRun with --help for more information.";
    }
    return "";
}

void PrintSaved(const std::vector<fs::path>& files, cli::Output& out) {
    for (const auto& file : files) out.Line(TextOfPath(file));
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Printed lines end in LF on Windows too: the bytes are the same as elsewhere.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    CLI::App app{"Tarvossa Scenario Editor, command-line tool", "sced-cli"};
    app.footer(kFooter);
    // A path such as "/tmp/x" is an argument on Windows too, never an option.
    app.allow_windows_style_options(false);
    std::string gameDir;
    bool utf8 = false;
    app.add_option("-C", gameDir, "the game folder (default: the current folder)");
    app.add_flag("--utf8", utf8, "texts printed, and the dump and listing files, as UTF-8 instead of code page 1251");
    app.require_subcommand(1, 1);

    CliCommand command;
    std::string mission, path, second;
    bool force = false;
    bool noSave = false;
    bool printTree = false;
    auto add = [&](const char* name, const char* help, CliCommand action) {
        CLI::App* sub = app.add_subcommand(name, help);
        sub->fallthrough();  // -C and --utf8 may follow the command too
        sub->callback([&command, action] { command = action; });
        return sub;
    };
    auto open = [&](Scenario& s) { cli::OpenNamedMission(s, cli::NameArgument(mission)); };
    // Saving a mission that opening could not read whole loses what was not read.
    auto save = [&](Scenario& s) {
        if (!force) cli::CheckNothingLost(s, cli::NameArgument(mission));
        return SaveMission(s);
    };

    add("functions", "the declared functions", GameCommand([](Scenario& s, cli::Output& out) {
        cli::PrintFunctions(s, out);
        return 0;
    }));
    add("groups", "the object groups (of the mission, when one is named)",
        GameCommand([&](Scenario& s, cli::Output& out) {
            if (!mission.empty()) open(s);
            cli::PrintGroups(s, out);
            return 0;
        }))
        ->add_option("MISSION", mission, kMissionHelp);
    add("lists", "the formation, unit and upgrade lists", GameCommand([](Scenario& s, cli::Output& out) {
        cli::PrintLists(s, out);
        return 0;
    }));
    add("map", "the zones and groups of a map (needs no game folder)",
        FolderCommand([&](const fs::path& folder, cli::Output& out) {
            cli::PrintMap(folder, cli::NameArgument(path), out);
            return 0;
        }))
        ->add_option("MAPPATH", path, "the map file")
        ->required();
    add("missions", "the user missions", GameCommand([](Scenario& s, cli::Output& out) {
        cli::PrintMissions(s, out);
        return 0;
    }));
    add("tree", "the scenario tree of a mission", GameCommand([&](Scenario& s, cli::Output& out) {
        open(s);
        cli::PrintTree(s, out);
        return 0;
    }))->add_option("MISSION", mission, kMissionHelp)->required();
    CLI::App* listing = add("listing", "the listing of a mission", GameCommand([&](Scenario& s, cli::Output& out) {
        open(s);
        // The listing's own bytes, CR LF included.
        std::string text = WithCrLf(ListingText(s));
        if (path.empty() || path == "-")
            out.Bytes(text);
        else
            cli::WriteTextFile(cli::PathArgument(path), text, out.utf8(), "listing");
        return 0;
    }));
    listing->add_option("MISSION", mission, kMissionHelp)->required();
    listing->add_option("OUT", path, "the file to write (default, or -: standard output)");
    add("check", "what opening a mission loses or changes, and what would stop its saving",
        GameCommand([&](Scenario& s, cli::Output& out) {
            open(s);
            return cli::PrintProblems(s, out);
        }))
        ->add_option("MISSION", mission, kMissionHelp)
        ->required();
    CLI::App* find = add("find", "the triggers and commands whose label, text or function name holds a text",
                         GameCommand([&](Scenario& s, cli::Output& out) {
                             open(s);
                             cli::PrintPlaces(FindInMission(s, cli::ArgumentText(second, out.utf8())), out);
                             return 0;
                         }));
    find->add_option("MISSION", mission, kMissionHelp)->required();
    find->add_option("TEXT", second, "the text to find, ignoring case")->required();
    CLI::App* uses = add("uses", "the commands that use what has a name (a zone, group, switch, timer, ...)",
                         GameCommand([&](Scenario& s, cli::Output& out) {
                             open(s);
                             cli::PrintUsesOfName(s, cli::ArgumentText(second, out.utf8()), out);
                             return 0;
                         }));
    uses->add_option("MISSION", mission, kMissionHelp)->required();
    uses->add_option("NAME", second, "the name of a zone, map or dynamic group, switch, timer, objective, player or "
                                     "trigger")->required();
    CLI::App* created = add("new", "a new mission on a map, saved", GameCommand([&](Scenario& s, cli::Output& out) {
        const std::string map = cli::NameArgument(path);
        Check(NewMission(s, map), "The map " + map + " cannot be read.");
        if (!force) cli::CheckNoMissionThere(s);
        if (!force) cli::CheckMapInGameFolder(s);
        PrintSaved(SaveMission(s), out);
        return 0;
    }));
    created->add_option("MAPPATH", path, "the map of the new mission")->required();
    created->add_flag("--force", force, "replace a mission of the same name, or write into a map outside the game folder");
    CLI::App* resave = add("resave", "opens a mission and saves it again", GameCommand([&](Scenario& s, cli::Output& out) {
        open(s);
        PrintSaved(save(s), out);
        return 0;
    }));
    resave->add_option("MISSION", mission, kMissionHelp)->required();
    resave->add_flag("--force", force, kForceHelp);
    CLI::App* replace = add(
        "replace", "replaces every use of a named thing by another of its kind (a zone by a zone ...), saved",
        GameCommand([&](Scenario& s, cli::Output& out) {
            open(s);
            const int commands =
                cli::ReplaceNamedUses(s, cli::ArgumentText(second, out.utf8()), cli::ArgumentText(path, out.utf8()));
            // A replace that changes nothing leaves the files as they are.
            if (commands > 0) PrintSaved(save(s), out);
            std::cerr << cli::CommandCount(commands) << " changed" << (commands > 0 ? "" : "; nothing saved") << ".\n";
            return 0;
        }));
    replace->add_option("MISSION", mission, kMissionHelp)->required();
    replace->add_option("NAME", second, "the name of what is used: a zone, map or dynamic group, switch, timer, "
                                        "objective, player or trigger")->required();
    replace->add_option("NEW", path, "the name of what takes its place")->required();
    replace->add_flag("--force", force, kForceHelp);
    CLI::App* dumpExport = add("dump-export", "writes the dump of a mission's names for translation",
                               GameCommand([&](Scenario& s, cli::Output& out) {
                                   open(s);
                                   std::string dump = WithCrLf(DumpText(s));
                                   WarnOfEmptyNames(s);
                                   cli::WriteTextFile(cli::PathArgument(path), dump, out.utf8(), "dump");
                                   return 0;
                               }));
    dumpExport->add_option("MISSION", mission, kMissionHelp)->required();
    dumpExport->add_option("OUT", path, "the dump file to write")->required();
    CLI::App* dumpImport = add("dump-import", "renames a mission's texts from a dump, saved",
                               GameCommand([&](Scenario& s, cli::Output& out) {
                                   open(s);
                                   ReadDumpText(s, cli::ReadTextFile(cli::PathArgument(path), out.utf8(), "dump"));
                                   s.triggers.UpdateText(s);
                                   save(s);
                                   return 0;
                               }));
    dumpImport->add_option("MISSION", mission, kMissionHelp)->required();
    dumpImport->add_option("IN", path, "the dump file to read")->required();
    dumpImport->add_flag("--force", force, kForceHelp);
    CLI::App* scramble = add("scramble", "scrambles or unscrambles a file (needs no game folder)",
                             FolderCommand([&](const fs::path&, cli::Output&) {
                                 const fs::path in = cli::PathArgument(path), to = cli::PathArgument(second);
                                 auto bytes = ReadWholeFile(in);
                                 Check(bytes.has_value(), "Cannot read " + TextOfPath(in) + ".");
                                 Scramble(*bytes);
                                 std::error_code why;
                                 if (!WriteFileAtomically(to, *bytes, &why))
                                     Fail("Cannot write " + TextOfPath(to) + ": " + why.message() + ".");
                                 return 0;
                             }));
    scramble->add_option("IN", path, "the file to read")->required();
    scramble->add_option("OUT", second, "the file to write")->required();
    int pictureNumber = 0;
    std::string winePrefix;
    CLI::App* picture = add("picture", "writes a briefing picture as a 24-bit bitmap (needs no game folder)",
                            FolderCommand([&](const fs::path&, cli::Output&) {
                                cli::WritePicture(cli::PathArgument(path), pictureNumber, cli::PathArgument(second),
                                                  winePrefix.empty() ? DefaultWinePrefix() : cli::PathArgument(winePrefix));
                                return 0;
                            }));
    picture->add_option("GPFILE", path, "the picture file (.gp)")->required();
    picture->add_option("N", pictureNumber, "the picture's number, from 1")->required();
    picture->add_option("OUT", second, "the bitmap file to write")->required();
    picture->add_option("--wine-prefix", winePrefix,
                        "where the palettes' \"c:\\\" lies (default: $WINEPREFIX, else ~/.wine)");
    CLI::App* edit = add("edit", "runs a designer script on a mission through the editing operations, then saves it",
                         GameCommand([&](Scenario& s, cli::Output& out) {
                             cli::ScriptOptions options{!noSave, printTree, force};
                             const std::string name = cli::NameArgument(mission);
                             if (second.empty() || second == "-")
                                 return cli::RunDesignerScript(s, name, std::cin, options, out, std::cerr);
                             const fs::path file = cli::PathArgument(second);
                             std::error_code why;
                             // A folder opens as a stream that reads nothing, which would run no
                             // steps and save.
                             Check(!fs::is_directory(file, why),
                                   "The script " + TextOfPath(file) + " cannot be read: it is a folder.");
                             std::ifstream script(file, std::ios::binary);
                             Check(static_cast<bool>(script), "The script " + TextOfPath(file) + " cannot be read.");
                             return cli::RunDesignerScript(s, name, script, options, out, std::cerr);
                         }));
    edit->add_option("MISSION", mission, kMissionHelp)->required();
    edit->add_option("SCRIPT", second, "the designer script (default, or -: standard input)");
    edit->add_flag("--no-save", noSave, "leave the mission's files as they are");
    edit->add_flag("--tree", printTree, "print the scenario tree at the end");
    edit->add_flag("--force", force, kForceHelp);
    std::string otherGame;
    CLI::App* diff = add("diff", "what changed from one mission to another, trigger by trigger",
                         GameCommand([&](Scenario& s, cli::Output& out) {
                             const fs::path other =
                                 otherGame.empty() ? s.gameFolder : MakeGameFolder(cli::PathArgument(otherGame));
                             return cli::PrintDifference(s, cli::NameArgument(mission), cli::NameArgument(second),
                                                         other, out);
                         }));
    diff->add_option("MISSION_A", mission, "the mission before: its name, or the path of its .add file")->required();
    diff->add_option("MISSION_B", second, "the mission after: its name, or the path of its .add file")->required();
    diff->add_option("--other-game", otherGame,
                     "the game folder of MISSION_B (default: that of MISSION_A); an .add file in a \"UserMissions\" "
                     "folder is always read from the game folder above it");
    add("delete", "deletes a mission's descriptor (its folder stays)", GameCommand([&](Scenario& s, cli::Output&) {
        cli::DeleteNamedMission(s, cli::NameArgument(mission));
        return 0;
    }))->add_option("MISSION", mission, kMissionHelp)->required();

    try {
        cli::CommandLine line(argc, argv);
        if (std::string unknown = UnknownCommand(app, line.count(), line.values()); !unknown.empty()) {
            std::cerr << unknown << '\n';
            return kExitUsage;
        }
        app.parse(line.count(), line.values());
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }
    // diff's 1 says that the missions differ: its errors are 2.
    const int errorStatus = diff->parsed() ? kExitUsage : kExitError;

    auto shown = [utf8](const std::string& text) { return utf8 ? Cp1251ToUtf8(text) : text; };
    SetWarningSink([shown](const std::string& text) { std::cerr << "ScenarioEditor: " << shown(text) << '\n'; });
    std::error_code ec;
    fs::path folder = MakeGameFolder(gameDir.empty() ? fs::current_path(ec) : cli::PathArgument(gameDir));
    // What the command prints is written at the end, where a failed write
    // can be told apart from the command's own failures.
    std::ostringstream printed;
    cli::Output out(printed, utf8);
    auto fail = [&](const std::string& text) {
        cli::WriteStandardOutput(printed.str());
        std::cerr << "Tarvossa Scenario Editor Error: " << text << '\n';
        return errorStatus;
    };
    int status = 0;
    bool started = false;
    try {
        if (auto* plain = std::get_if<FolderCommand>(&command)) {
            started = true;
            status = (*plain)(folder, out);
        } else {
            StringTable::Instance().Load(folder);
            Scenario scenario(folder);
            started = true;
            status = std::get<GameCommand>(command)(scenario, out);
        }
    } catch (const ScenarioError& e) {
        int failed = fail(shown(e.text()));
        if (!started) std::cerr << "The game folder was " << shown(TextOfPath(folder)) << ".\n";
        return failed;
    } catch (const std::exception& e) {
        return fail(e.what());
    }
    std::string reason = cli::WriteStandardOutput(printed.str());
    if (!reason.empty()) {
        std::cerr << "Tarvossa Scenario Editor Error: Standard output cannot be written: " << reason << ".\n";
        return errorStatus;
    }
    return status;
}

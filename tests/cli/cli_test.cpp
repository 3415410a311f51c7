#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/game_path.h"
#include "files/bitmap_file.h"
#include "files/gp_picture.h"
#include "files/mission_package.h"
#include "files/mission_picture.h"
#include "files/palette.h"
#include "files/scramble.h"
#include "support/cli_run.h"
#include "support/game_folder.h"
#include "support/map_bytes.h"

namespace sced {
namespace {

using test::CliRun;
using test::Quoted;
using test::RunCli;
namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
    auto lines = Lines(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Run without -C: the current folder is the game folder.
TEST(Cli, FunctionsPrintsOneFieldPerArgument) {
    test::TempGameFolder folder;
    CliRun run = RunCli("functions", folder, folder.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_GE(Lines(run.out).size(), 40u);
    EXPECT_TRUE(HasLine(run.out,
                        "A\tTimers and switches\tRunTimer\tcall\tgroup:timers\tchint:1..max\t"
                        "timer|seconds\tStart <1 timer> for <2 seconds> seconds\tStart timer"))
        << run.out;
    EXPECT_TRUE(HasLine(run.out, "C\tGame rules\tAlways\tcall\t\tAlways\tAlways")) << run.out;
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(Cli, GroupsAndListsPrintWhatTheFilesDeclare) {
    test::TempGameFolder folder;
    folder.Write("Data\\orders.lst", "#Wedge\n  C\n * *\n*   *\n#END\n#EXIT\n#Never\n*\n#END\n");
    folder.Write("Data\\unitslist.dat", "Infantry\nRifleman(IN) Rifle squad\nScout(IN) Scouts\n");
    folder.Write("Data\\upglist.dat", "Infantry Rifleman(A1) Better rifles\n");
    std::string game = "-C " + Quoted(folder.path().string());

    CliRun groups = RunCli(game + " groups", folder);
    ASSERT_EQ(groups.status, 0) << groups.err;
    auto lines = Lines(groups.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "#nations\tfixed\t8");
    EXPECT_TRUE(HasLine(groups.out, "#switches\trenamable\t256"));
    EXPECT_TRUE(HasLine(groups.out, "#zones\tfixed\t0"));
    EXPECT_TRUE(HasLine(groups.out, "\tSwitch255"));

    CliRun lists = RunCli(game + " lists", folder);
    ASSERT_EQ(lists.status, 0) << lists.err;
    EXPECT_EQ(lists.out,
              "formation Wedge 3x5\n"
              "unit Infantry(IN) Rifleman Rifle squad\n"
              "unit Infantry(IN) Scout Scouts\n"
              "upgrade Infantry Rifleman Rifleman(A1) Better rifles\n");
}

TEST(Cli, FailuresReportTheirTextAndStatus) {
    test::TempGameFolder folder;
    folder.Remove("Data\\FuncStruct");
    CliRun missing = RunCli("-C " + Quoted(folder.path().string() + "/.") + " functions", folder);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Tarvossa Scenario Editor Error: No groups structure file.\n"
                           "The game folder was " + folder.path().string() + ".\n");
    EXPECT_EQ(missing.out, "");

#ifndef _WIN32  // a full device to write to
    CliRun full = RunCli("-C " + Quoted(test::DemoGame().string()) + " functions >/dev/full", folder);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "Tarvossa Scenario Editor Error: Standard output cannot be written: No space left on device.\n");
#endif

    CliRun unwritable = RunCli("-C " + Quoted(test::DemoGame().string()) + " listing Valley " +
                                   Quoted(folder.File("no/such/folder/out.txt").string()),
                               folder);
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("out.txt: No such file or directory."), std::string::npos) << unwritable.err;

    CliRun usage = RunCli("--utf8 -C . no-such-command", folder);
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err.rfind("Unknown command \"no-such-command\". The commands are: functions groups", 0), 0u)
        << usage.err;
    CliRun none = RunCli("", folder);
    EXPECT_EQ(none.status, 2);

    // A folder given as the designer script runs nothing and saves nothing.
    test::TempGameFolder game;
    // A save would write the descriptor without its extra line.
    const std::string descriptor = game.Read("UserMissions\\Valley.add") + "kept\r\n";
    game.Write("UserMissions\\Valley.add", descriptor);
    CliRun script = RunCli("-C " + Quoted(game.path().string()) + " edit Valley " + Quoted(game.File("Data").string()),
                           game);
    EXPECT_EQ(script.status, 1);
    EXPECT_EQ(script.err, "Tarvossa Scenario Editor Error: The script " + game.File("Data").string() +
                              " cannot be read: it is a folder.\n");
    EXPECT_EQ(game.Read("UserMissions\\Valley.add"), descriptor);
}

TEST(Cli, HelpNamesEveryArgumentAndTheExitStatuses) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    CliRun help = RunCli("--help", folder);
    ASSERT_EQ(help.status, 0);
    for (const char* term : {"MISSION is", "MAPPATH is", "Exit status: 0", "3 for check"})
        EXPECT_NE(help.out.find(term), std::string::npos) << term;
    for (const char* command : {"functions", "groups", "lists", "map", "missions", "tree", "listing", "check", "new",
                                "resave", "dump-export", "dump-import", "scramble", "picture", "delete", "find", "uses",
                                "replace"}) {
        CliRun sub = RunCli(std::string(command) + " --help", folder);
        EXPECT_EQ(sub.status, 0) << command;
        bool positionals = false;
        for (std::string line : Lines(sub.out)) {
            line.erase(line.find_last_not_of(' ') + 1);
            if (line.empty() || line.back() == ':') positionals = line == "Positionals:";
            // "  NAME TEXT [REQUIRED]    description" (or INT)
            else if (positionals)
                EXPECT_NE(line.find("   ", std::min(line.find("TEXT"), line.find("INT"))), std::string::npos)
                    << command << ": " << line;
        }
    }
}

TEST(Cli, MapAndScrambleNeedNoGameFolder) {
    test::TempGameFolder empty(test::TempGameFolder::kEmpty);
    test::TempGameFolder game;
    std::string maps = Quoted(game.File("Maps").string());
    CliRun named = RunCli("-C " + maps + " map valley.M3D", empty);
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(Lines(named.out).front(), "zone North Ford");
    EXPECT_EQ(RunCli("map Valley.m3d", empty, game.File("Maps")).out, named.out);

    game.Write("Maps\\Broken.m3d", "not a map");
    CliRun broken = RunCli("-C " + maps + " map Broken.m3d", empty);
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err, "Tarvossa Scenario Editor Error: The map Broken.m3d is corrupt.\n");

    std::string plain = Quoted(empty.File("plain.txt").string());
    std::string again = Quoted(empty.File("again.cms").string());
    std::string script = Quoted(game.File("UserMissions/Valley/Valley.cms").string());
    ASSERT_EQ(RunCli("scramble " + script + " " + plain, empty).status, 0);
    ASSERT_EQ(RunCli("scramble " + plain + " " + again, empty).status, 0);
    EXPECT_EQ(empty.Read("again.cms"), game.Read("UserMissions/Valley/Valley.cms"));
}

TEST(Cli, PictureWritesTheDecodedPictureAsABitmap) {
    test::TempGameFolder out(test::TempGameFolder::kEmpty);
    const fs::path demo = test::DemoGame().parent_path();
    const std::string camp = Quoted((test::DemoGame() / "Missions/Pictures/Camp.gp").string());
    CliRun run = RunCli("picture " + camp + " 2 dusk.bmp --wine-prefix " + Quoted((demo / "wine").string()), out, out.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string why;
    auto file = GpFile::Parse(*ReadWholeFile(test::DemoGame() / "Missions/Pictures/Camp.gp"), why);
    ASSERT_TRUE(file);
    GpImage image = file->Decode(1, LoadPalette(file->paletteNumber(), demo / "wine"));
    const std::string bitmap = out.Read("dusk.bmp");
    // 24 x 6 pixels, rows of 72 bytes stored from the bottom as blue, green, red.
    ASSERT_EQ(bitmap.size(), 54u + 72u * 6u);
    EXPECT_EQ(bitmap.substr(0, 2), "BM");
    EXPECT_EQ(bitmap.substr(18, 8), std::string("\x18\0\0\0\x06\0\0\0", 8));
    EXPECT_EQ(bitmap.substr(28, 2), std::string("\x18\0", 2));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>((image.height - 1 - y) * 72 + x * 3);
            const Rgb pixel = image.At(x, y);
            ASSERT_EQ(bitmap.substr(at, 3), std::string({static_cast<char>(pixel.blue), static_cast<char>(pixel.green),
                                                          static_cast<char>(pixel.red)}))
                << x << ", " << y;
        }

    // Without its palette the picture is grey, with a warning (on Windows
    // the palettes' drive paths are used as written: the game's are there);
    // a picture that is not there is an error and writes nothing.
#ifndef _WIN32
    ::setenv("WINEPREFIX", out.path().c_str(), 1);
    CliRun grey = RunCli("picture " + camp + " 1 grey.bmp", out, out.path());
    ::unsetenv("WINEPREFIX");
    EXPECT_EQ(grey.status, 0);
    EXPECT_NE(grey.err.find("ScenarioEditor: The palette "), std::string::npos) << grey.err;
    EXPECT_EQ(out.Read("grey.bmp").substr(54 + 7 * 48, 3), "\x03\x03\x03");
#endif
    CliRun missing = RunCli("picture " + camp + " 3 none.bmp", out, out.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("holds 2 pictures; there is no picture 3."), std::string::npos) << missing.err;
    EXPECT_FALSE(fs::exists(out.File("none.bmp")));
}

TEST(Cli, ADesignerScriptsPictureIsTheOneTheWindowWouldSave) {
    test::TempGameFolder folder;
    const std::string small = BitmapFileBytes(2, 1, {255, 0, 0, 0, 0, 255});
    folder.Write("small.bmp", small);
    folder.Write("junk.bmp", "BM, and no bitmap after it");
    const std::string game = "-C " + Quoted(folder.path().string());
    auto edit = [&](const std::string& picture) {
        folder.Write("picture.script", "properties\nload-picture " + folder.File(picture).string() + "\nok\n");
        return RunCli(game + " edit Valley " + Quoted(folder.File("picture.script").string()), folder);
    };
    CliRun junk = edit("junk.bmp");
    EXPECT_EQ(junk.status, 4);
    EXPECT_EQ(junk.err, "line 2: cannot load the picture " + folder.File("junk.bmp").string() +
                            ": its header is of a kind the editor does not know\n");
    CliRun loaded = edit("small.bmp");
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    std::string why;
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.bmp"), MissionPictureOf(small, why));
}

TEST(Cli, MissionCommandsOpenPrintAndSave) {
    test::TempGameFolder folder;
    std::string game = "-C " + Quoted(folder.path().string());
    CliRun missions = RunCli(game + " missions", folder);
    EXPECT_EQ(missions.out, "Valley of the Ford\t" + NativePath("Maps\\Valley.m3d") + "\n");

    CliRun map = RunCli(game + " map 'Maps\\Harbour.m3d'", folder);
    EXPECT_EQ(map.out, "zone Quay\nzone Lighthouse\nzone Fish Market\n");

    CliRun tree = RunCli(game + " tree Valley", folder);
    ASSERT_EQ(tree.status, 0) << tree.err;
    EXPECT_EQ(Lines(tree.out)[0], "&bStart");
    EXPECT_EQ(Lines(tree.out)[1], "  &wCONDITION");

    CliRun listing = RunCli(game + " listing Valley", folder);
    EXPECT_EQ(listing.out.substr(0, 40), "Mission title: Valley of the Ford\r\nMissi");
    EXPECT_EQ(RunCli(game + " listing Valley " + Quoted(folder.File("out.txt").string()), folder).status, 0);
    EXPECT_EQ(folder.Read("out.txt"), listing.out);

    CliRun check = RunCli(game + " check " + Quoted(folder.File("UserMissions\\Valley.add").string()), folder);
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "");

    CliRun found = RunCli(game + " find Valley 'attack CLOCK'", folder);
    ASSERT_EQ(Lines(found.out).size(), 5u) << found.out;
    EXPECT_EQ(Lines(found.out)[2], "2 1 0 2 1\tFord watch: Stop {Attack clock} and set {Attack clock} back to zero");
    CliRun uses = RunCli(game + " uses Valley 'Hill 203'", folder);
    EXPECT_EQ(uses.out, "Zone \"Hill 203\"\n  3 1 0\tCounting: Store in Var1 the number of units of {Corvania} in "
                        "{Hill 203}\n");
    CliRun unknown = RunCli(game + " uses Valley 'Hill 204'", folder);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "Tarvossa Scenario Editor Error: The mission has nothing named Hill 204.\n");

    const std::string script = folder.Read("UserMissions\\Valley\\Valley.cms");
    CliRun resave = RunCli(game + " resave Valley", folder);
    ASSERT_EQ(resave.status, 0) << resave.err;
    EXPECT_EQ(Lines(resave.out).size(), 4u) << "the mission's own picture stays unwritten and unlisted";
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), script);

#ifndef _WIN32  // a device to write to
    // Scrambling into a file and back is the map test's; a device is written, not renamed over.
    CliRun printed = RunCli(game + " scramble " + Quoted(folder.File("UserMissions/Valley/Valley.cms").string()) +
                                " /dev/stdout",
                            folder);
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out.substr(0, 81), "%" + std::string(79, '-') + "\r");
#endif

    CliRun created = RunCli(game + " new 'Maps\\Harbour.m3d'", folder);
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_TRUE(HasLine(RunCli(game + " missions", folder).out, "Harbour\t" + NativePath("Maps\\Harbour.m3d")));
    EXPECT_EQ(RunCli(game + " delete Harbour", folder).status, 0);
    EXPECT_FALSE(HasLine(RunCli(game + " missions", folder).out, "Harbour\tMaps/Harbour.m3d"));
    EXPECT_EQ(RunCli(game + " delete Harbour", folder).status, 1);

    // A game folder given as "dir/." writes no path of this machine into the game's files.
    ASSERT_EQ(RunCli("-C " + Quoted(folder.path().string() + "/.") + " resave Valley", folder).status, 0);
    EXPECT_EQ(Lines(folder.Read("UserMissions\\Valley.add"))[1], "Maps\\Valley.m3d\r");
}

// Replace saves only what it changed, and a name it cannot use (none such,
// another kind, wrong usage) leaves the files as they were.
TEST(Cli, ReplacePutsAnotherThingInEveryUseAndSaves) {
    test::TempGameFolder folder;
    const std::string game = "-C " + Quoted(folder.path().string());
    const std::string script = folder.Read("UserMissions\\Valley\\Valley.cms");
    struct Refused {
        std::string args;
        int status;
        std::string err;
    };
    const std::vector<Refused> refused = {
        {"replace Valley 'Attack clock' 'Timer 9'", 1,
         "Tarvossa Scenario Editor Error: Nothing is replaced: there is nothing named \"Timer 9\".\n"},
        {"replace Valley 'Attack clock' 'North Ford'", 1,
         "Tarvossa Scenario Editor Error: Nothing is replaced: Timer \"Attack clock\" cannot be replaced by Zone "
         "\"North Ford\": a use takes only another of its kind.\n"},
        {"replace Valley Timer2 Timer3", 0, "0 commands changed; nothing saved.\n"},
        {"replace Valley Timer1", 2, ""},
    };
    for (const Refused& r : refused) {
        CliRun run = RunCli(game + " " + r.args, folder);
        EXPECT_EQ(run.status, r.status) << r.args;
        EXPECT_EQ(run.out, "") << r.args;
        if (!r.err.empty()) EXPECT_EQ(run.err, r.err) << r.args;
    }
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), script);

    CliRun replaced = RunCli(game + " replace Valley 'Attack clock' Timer1", folder);
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.err, "5 commands changed.\n");
    EXPECT_EQ(Lines(replaced.out).size(), 4u) << "the saved files, as resave prints them";
    EXPECT_EQ(RunCli(game + " uses Valley 'Attack clock'", folder).out, "Timer \"Attack clock\"\n  not used\n");
    EXPECT_EQ(Lines(RunCli(game + " uses Valley Timer1", folder).out).size(), 6u);
}

TEST(Cli, CheckReportsAndSavingRefusesWhatOpeningLoses) {
    std::string script = ReadWholeFile(test::DemoGame() / "UserMissions/Valley/Valley.cms").value();
    Scramble(script);
    const std::string pages = ReadWholeFile(test::DemoGame() / "UserMissions/Valley/Valley.txt").value();
    auto edited = [&](std::string_view from, std::string_view to) {
        std::string text = script;
        text.replace(text.find(from), from.size(), to);
        Scramble(text);
        return text;
    };
    enum Saving { kRefusedUnlessForced, kFails, kSaves };
    struct Case {
        const char* name;
        const char* file;     // replaced before opening
        std::string bytes;
        const char* checked;  // a line of check's report
        Saving saving;
        const char* kept = nullptr;  // what the forced save writes in the script
    };
    const Case cases[] = {
        // The map editor took the old mill away.
        {"map", "Maps\\Valley.m3d",
         test::MapBytes({"North Ford", "Hill 203", "South Gate"},
                        {"Blue Scouts", "Red Column", "Bridge Guard", "Supply Train"}),
         "Relief force\tSendReinforcements\tOld Mill", kRefusedUnlessForced, "MoveGroup( Relief_force_Dyn,Old Mill )"},
        {"no script block", "UserMissions\\Valley\\Valley.cms", "damaged",
         "The mission script cannot be read or has no #SCRIPT block; the mission opens without triggers.",
         kRefusedUnlessForced},
        {"value outside its list", "UserMissions\\Valley\\Valley.cms", edited("SwitchOn( 1 ) ", "SwitchOn( 999 ) "),
         "The value of argument 1 of SwitchOn in the trigger \"Ford watch\" lies outside its list.", kFails},
        {"meaning changed", "UserMissions\\Valley\\Valley.cms", edited("TimerValue( 0 ) >", "TimerValue( 0 ) >="),
         "Trigger \"Relief force\": the comparison >= is read as >.", kSaves},
        // A page the pages file lacks stays missing: no page without a picture is made up.
        {"page missing", "UserMissions\\Valley\\Valley.txt", pages.substr(0, pages.find("#PAGE2")),
         "Trigger \"Victory or defeat\": the page 2 of ShowPageEx is not in the mission's pages file; it stays missing.",
         kSaves},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempGameFolder folder;
        std::string game = "-C " + Quoted(folder.path().string());
        folder.Write(c.file, c.bytes);
        const std::string pagesRead = folder.Read("UserMissions\\Valley\\Valley.txt");

        CliRun check = RunCli(game + " check Valley", folder);
        EXPECT_EQ(check.status, 3);
        EXPECT_TRUE(HasLine(check.out, c.checked)) << check.out;
        if (c.saving == kFails) {
            EXPECT_EQ(RunCli(game + " resave --force Valley", folder).status, 1);
            continue;
        }
        EXPECT_NE(check.err.find("ScenarioEditor: "), std::string::npos);
        if (c.saving == kSaves) {
            EXPECT_EQ(RunCli(game + " resave Valley", folder).status, 0);
            EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.txt"), pagesRead);
            continue;
        }

        const std::string names = Quoted(folder.File("names.dmp").string());
        ASSERT_EQ(RunCli(game + " dump-export Valley " + names, folder).status, 0);
        for (const std::string save : {std::string("resave Valley"), "dump-import Valley " + names}) {
            CliRun refused = RunCli(game + " " + save, folder);
            EXPECT_EQ(refused.status, 1) << save;
            EXPECT_NE(refused.err.find("Give --force to save anyway."), std::string::npos) << refused.err;
        }
        EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.txt"), pagesRead);
        EXPECT_EQ(RunCli(game + " resave --force Valley", folder).status, 0);
        if (!c.kept) continue;
        std::string saved = folder.Read("UserMissions\\Valley\\Valley.cms");
        Scramble(saved);
        EXPECT_NE(saved.find(c.kept), std::string::npos) << "the commands keep the names the map lacks";
        EXPECT_EQ(RunCli(game + " check Valley", folder).out, check.out);
    }

    test::TempGameFolder folder;
    std::string game = "-C " + Quoted(folder.path().string());
    CliRun none = RunCli(game + " tree Nowhere", folder);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "Tarvossa Scenario Editor Error: There is no mission Nowhere.\n");
    CliRun over = RunCli(game + " new 'Maps\\Valley.m3d'", folder);
    EXPECT_EQ(over.status, 1);
    EXPECT_EQ(over.err, "Tarvossa Scenario Editor Error: The mission Valley exists already. Give --force to replace it.\n");
    EXPECT_EQ(RunCli(game + " new --force 'Maps\\Valley.m3d'", folder).status, 0);

    // A descriptor passed around names a map outside the game folder: it is
    // said at once, and written into only with --force; the mission's own
    // files go to the game folder all the same.
    const test::TempGameFolder elsewhere(test::TempGameFolder::kEmpty);
    elsewhere.Write("Other.m3d", folder.Read("Maps\\Valley.m3d"));
    const std::string map = elsewhere.File("Other.m3d").string();
    folder.Write("UserMissions\\Stray.add", "Stray\r\n" + map + "\r\nUserMissions\\Other\\Other.cms\r\n");
    CliRun stray = RunCli(game + " resave Stray", folder);
    EXPECT_EQ(stray.status, 1);
    EXPECT_NE(stray.err.find("ScenarioEditor: The mission's map lies outside the game folder:\n" + map), std::string::npos)
        << stray.err;
    EXPECT_NE(stray.err.find("The map " + map + " lies outside the game folder; saving would write into it. Give --force"),
              std::string::npos) << stray.err;
    EXPECT_EQ(elsewhere.Read("Other.m3d"), folder.Read("Maps\\Valley.m3d"));
    EXPECT_EQ(RunCli(game + " resave --force Stray", folder).status, 0);
    EXPECT_NE(elsewhere.Read("Other.m3d").find("UserMissions\\Other\\Other.cms"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.File("UserMissions\\Other\\Other.cms")));
}

TEST(Cli, TextsAreStoredBytesUnlessUtf8IsAskedAlsoInTheDumpAndListingFiles) {
    test::TempGameFolder folder;
    std::string str = folder.Read("Data\\str");
    str.replace(str.find("txtSwitch "), 0, "txtSwitch \xCF\xE5\xF0\xE5\xEA\xEB\xFE\xF7\xE0\xF2\xE5\xEB\xFC\n");
    folder.Write("Data\\str", str);
    std::string game = "-C " + Quoted(folder.path().string());
    CliRun raw = RunCli(game + " groups", folder);
    EXPECT_TRUE(HasLine(raw.out, "\t\xCF\xE5\xF0\xE5\xEA\xEB\xFE\xF7\xE0\xF2\xE5\xEB\xFC" "0"));
    // -C and --utf8 may also follow the command.
    CliRun utf8 = RunCli("groups --utf8 " + game, folder);
    EXPECT_TRUE(HasLine(utf8.out, "\t\u041F\u0435\u0440\u0435\u043A\u043B\u044E\u0447\u0430\u0442\u0435\u043B\u044C0"))
        << utf8.out.substr(0, 200);

    game += " --utf8";
    const std::string names = Quoted(folder.File("names.dmp").string());
    ASSERT_EQ(RunCli(game + " dump-export Valley " + names, folder).status, 0);
    std::string dump = folder.Read("names.dmp");
    dump.replace(dump.find("Hold the ford"), 13, "Удержать брод");
    folder.Write("names.dmp", dump);
    ASSERT_EQ(RunCli(game + " dump-import Valley " + names, folder).status, 0);
    EXPECT_NE(folder.Read("UserMissions\\Valley\\Valley.txt").find("{A}\xD3\xE4\xE5\xF0\xE6\xE0\xF2\xFC \xE1\xF0\xEE\xE4"),
              std::string::npos);
    ASSERT_EQ(RunCli(game + " listing Valley " + Quoted(folder.File("out.txt").string()), folder).status, 0);
    EXPECT_NE(folder.Read("out.txt").find("Удержать"), std::string::npos);
    EXPECT_EQ(RunCli(game + " listing Valley -", folder).out, folder.Read("out.txt"));

    // A character that the code page cannot hold, on the dump's third line.
    folder.Write("names.dmp", "#TITLE\nOld\n\u4E2D\n#END\n");
    CliRun refused = RunCli(game + " dump-import Valley " + names, folder);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Line 3 of the dump"), std::string::npos) << refused.err;
}

// A Cyrillic game folder, map and mission: the arguments and paths cross to
// the file system as Unicode, never through the system's code page, and the
// game's files hold the names in code page 1251.
TEST(Cli, CyrillicFolderMapAndMissionNamesWork) {
    const std::string valley = "\xC4\xEE\xEB\xE8\xED\xE0";  // "Долина"
    test::TempGameFolder folder(test::TempGameFolder::kDemoCopy, "\xC8\xE3\xF0\xE0 ");  // "Игра "
    folder.Write("Maps\\" + valley + ".m3d", folder.Read("Maps\\Valley.m3d"));
    const std::string game = "-C " + Quoted(folder.path().string());
    CliRun created = RunCli(game + " new 'Maps\\Долина.m3d'", folder);
    ASSERT_EQ(created.status, 0) << created.err;
    const std::string script = "UserMissions\\" + valley + "\\" + valley + ".cms";
    EXPECT_EQ(folder.Read("UserMissions\\" + valley + ".add"),
              valley + "\r\nMaps\\" + valley + ".m3d\r\n" + script + "\r\n");
    EXPECT_NE(folder.Read("Maps\\" + valley + ".m3d").find(script + '\0'), std::string::npos);
    EXPECT_NE(created.out.find(valley + ".add\n"), std::string::npos) << created.out;
    EXPECT_TRUE(fs::is_regular_file(folder.path() / u8"UserMissions" / u8"Долина" / u8"Долина.cms"));

    for (const char* command : {" tree Долина", " resave Долина", " check Долина"})
        EXPECT_EQ(RunCli(game + command, folder).status, 0) << command;
    EXPECT_TRUE(HasLine(RunCli(game + " missions", folder).out, valley + "\t" + NativePath("Maps\\" + valley + ".m3d")));
}

TEST(Cli, DiffTellsTriggerByTriggerWhatChanged) {
    test::TempGameFolder before;
    test::TempGameFolder after;
    const std::string game = "-C " + Quoted(before.path().string()) + " diff ";
    const std::string other = " --other-game " + Quoted(after.path().string());
    CliRun same = RunCli(game + "Valley Valley" + other, before);
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out + same.err, "");

    // A trigger put in first renumbers every later one in the script, and
    // one moved down: neither changes another trigger's text.
    after.Write("edits.script", "add-trigger\ntype Opening\nok\nup\nup\nup\nup\nup\nup\nselect 4\ndown\n");
    ASSERT_EQ(RunCli("-C " + Quoted(after.path().string()) + " edit Valley " +
                         Quoted(after.File("edits.script").string()),
                     after)
                  .status,
              0);
    // A page's text lives in the pages file, a switch's name and a repeat
    // count in the script, the title in the descriptor.
    auto replace = [&](std::string_view file, std::string_view from, std::string_view to, bool scrambled) {
        std::string text = after.Read(file);
        if (scrambled) Scramble(text);
        text.replace(text.find(from), from.size(), to);
        if (scrambled) Scramble(text);
        after.Write(file, text);
    };
    replace("UserMissions\\Valley\\Valley.txt", "yours to hold", "ours to hold", false);
    replace("UserMissions\\Valley.add", "Valley of the Ford", "Valley Two", false);
    replace("UserMissions\\Valley\\Valley.cms", "\nBridge blown", "\nBridge down", true);
    replace("UserMissions\\Valley\\Valley.cms", "TIMES\t\t3", "TIMES\t\t4", true);
    const std::string expected =
        "--- " + before.File("UserMissions\\Valley.add").string() + "\n+++ " +
        after.File("UserMissions\\Valley.add").string() +
        "\n"
        "title \"Valley of the Ford\" -> \"Valley Two\"\n"
        "renamed Switch \"Bridge blown\" -> \"Bridge down\"\n"
        "added 1 \"Opening\"\n"
        "changed 2 \"Start\"\n"
        "@@ -1,7 +1,7 @@\n CONDITION \tALWAYS\n TIMES\t\t1\n ACTION \t\t\n"
        "-\tShowPageEx( Camp.gp 0, \"Commander, the valley is yours to hold.\" ), \n"
        "+\tShowPageEx( Camp.gp 0, \"Commander, the valley is ours to hold.\" ), \n"
        " \tEnableMission( 'A' ), \n \tEnableMission( 'C' ), \n \tRunTimer( 0,600 ), \n"
        "moved \"Victory or defeat\" 5 -> 5\n"
        "changed 6 \"Counting\"\n"
        "@@ -1,5 +1,5 @@\n"
        " CONDITION \tVar0 != 4 AND CountUnitType( 0,Militia(IN) ) < 10 AND DynGroupSize( Raiders_Dyn ) == 0 AND "
        "TimerIsRunning( 0 ) AND !GroupInZone( Blue Scouts,South Gate )\n"
        "-TIMES\t\t3\n+TIMES\t\t4\n ACTION \t\t\n \tVar1=CountUnits( 0,Hill 203 ), \n \tVar2=GetTimer( 0 ), \n";
    CliRun differ = RunCli(game + "Valley Valley" + other, before);
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out, expected);
    // An .add in another game's "UserMissions" is read from that game.
    CliRun byPath = RunCli(game + "Valley " + Quoted(after.File("UserMissions\\Valley.add").string()), before);
    EXPECT_EQ(byPath.status, 1) << byPath.err;
    EXPECT_EQ(byPath.out, expected);
    CliRun back = RunCli(game + Quoted(after.File("UserMissions\\Valley.add").string()) + " Valley", before);
    EXPECT_TRUE(HasLine(back.out, "removed 1 \"Opening\"")) << back.out;
    EXPECT_TRUE(HasLine(back.out, "title \"Valley Two\" -> \"Valley of the Ford\"")) << back.out;

    // A copy of the mission's files alone is read with the declarations of the first game.
    test::TempGameFolder copy(test::TempGameFolder::kEmpty);
    for (const char* file : {"Maps\\Valley.m3d", "UserMissions\\Valley.add", "UserMissions\\Valley\\Valley.cms",
                             "UserMissions\\Valley\\Valley.txt", "UserMissions\\Valley\\Valley.dsc"}) {
        fs::create_directories(copy.File(file).parent_path());
        copy.Write(file, before.Read(file));
    }
    CliRun bare = RunCli(game + "Valley Valley --other-game " + Quoted(copy.path().string()), before);
    EXPECT_EQ(bare.status, 0) << bare.err;

    // A descriptor on another mission's map reads that mission's files, and says so.
    after.Write("UserMissions\\Copy.add", after.Read("UserMissions\\Valley.add"));
    CliRun copied = RunCli(game + "Valley Copy" + other, before);
    EXPECT_EQ(copied.status, 1);
    EXPECT_EQ(copied.err, "ScenarioEditor: The mission " + after.File("UserMissions\\Copy.add").string() +
                              " is on the map of the mission Valley, whose files are compared.\n");

    // Errors, usage among them, are 2: 1 says that the missions differ.
    after.Write("UserMissions\\Broken.add", "Broken\r\nMaps\\Nowhere.m3d\r\n");
    const std::pair<std::string, std::string> errors[] = {
        {"Valley Nowhere" + other, "Tarvossa Scenario Editor Error: There is no mission Nowhere.\n"},
        {"Valley Broken" + other, "Tarvossa Scenario Editor Error: The map of the mission " +
                                      after.File("UserMissions\\Broken.add").string() + " cannot be read.\n"},
        {"Valley", "MISSION_B is required\nRun with --help for more information.\n"},
    };
    for (const auto& [args, err] : errors) {
        CliRun failed = RunCli(game + args, before);
        EXPECT_EQ(failed.status, 2) << args;
        EXPECT_NE(failed.err.find(err), std::string::npos) << failed.err;
        EXPECT_EQ(failed.out, "");
    }
}

}  // namespace
}  // namespace sced

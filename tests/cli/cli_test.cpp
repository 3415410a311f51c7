#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/game_folder.h"
#include "support/map_bytes.h"

namespace sced {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliRun RunCli(const std::string& args, const test::TempGameFolder& scratch) {
    std::string errFile = scratch.File("stderr.txt").string();
    std::string command = Quoted(SCED_CLI) + " " + args + " 2>" + Quoted(errFile);
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    std::stringstream text;
    text << err.rdbuf();
    run.err = text.str();
    return run;
}

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

TEST(Cli, FunctionsPrintsOneFieldPerArgument) {
    test::TempGameFolder folder;
    CliRun run = RunCli("-C " + Quoted(folder.path().string()) + " functions", folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_GE(Lines(run.out).size(), 40u);
    EXPECT_TRUE(HasLine(run.out,
                        "A\tTimers and switches\tRunTimer\tcall\tgroup:timers\tchint:1..max\t"
                        "timer|seconds\tStart <1 timer> for <2 seconds> seconds\tTimer"))
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

TEST(Cli, TextsAreStoredBytesUnlessUtf8IsAsked) {
    test::TempGameFolder folder;
    std::string str = folder.Read("Data\\str");
    str.replace(str.find("txtSwitch "), 0, "txtSwitch \xCF\xE5\xF0\xE5\xEA\xEB\xFE\xF7\xE0\xF2\xE5\xEB\xFC\n");
    folder.Write("Data\\str", str);
    std::string game = "-C " + Quoted(folder.path().string());
    CliRun raw = RunCli(game + " groups", folder);
    EXPECT_TRUE(HasLine(raw.out, "\t\xCF\xE5\xF0\xE5\xEA\xEB\xFE\xF7\xE0\xF2\xE5\xEB\xFC" "0"));
    CliRun utf8 = RunCli(game + " --utf8 groups", folder);
    EXPECT_TRUE(HasLine(utf8.out, "\t\u041F\u0435\u0440\u0435\u043A\u043B\u044E\u0447\u0430\u0442\u0435\u043B\u044C0"))
        << utf8.out.substr(0, 200);
}

TEST(Cli, FailuresReportTheirTextAndStatus) {
    test::TempGameFolder folder;
    folder.Remove("Data\\FuncStruct");
    CliRun missing = RunCli("-C " + Quoted(folder.path().string()) + " functions", folder);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Tarvossa Scenario Editor Error: No groups structure file.\n");
    EXPECT_EQ(missing.out, "");

    CliRun usage = RunCli("no-such-command", folder);
    EXPECT_EQ(usage.status, 2);
    CliRun none = RunCli("", folder);
    EXPECT_EQ(none.status, 2);
}

TEST(Cli, TheCurrentFolderIsTheDefaultGameFolder) {
    test::TempGameFolder folder;
    CliRun here = RunCli("-C " + Quoted(test::DemoGame().string()) + " functions", folder);
    EXPECT_EQ(here.status, 0);
    std::string command = "cd " + Quoted(test::DemoGame().string()) + " && " + Quoted(SCED_CLI) + " functions";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_TRUE(pipe);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(out, here.out);
}

TEST(Cli, MissionCommandsOpenPrintAndSave) {
    test::TempGameFolder folder;
    std::string game = "-C " + Quoted(folder.path().string());
    CliRun missions = RunCli(game + " missions", folder);
    EXPECT_EQ(missions.out, "Valley of the Ford\tMaps/Valley.m3d\n");

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

    const std::string script = folder.Read("UserMissions\\Valley\\Valley.cms");
    CliRun resave = RunCli(game + " resave Valley", folder);
    ASSERT_EQ(resave.status, 0) << resave.err;
    EXPECT_EQ(Lines(resave.out).size(), 5u);
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), script);

    ASSERT_EQ(RunCli(game + " scramble " + Quoted(folder.File("UserMissions/Valley/Valley.cms").string()) + " " +
                         Quoted(folder.File("plain.txt").string()),
                     folder)
                  .status,
              0);
    EXPECT_EQ(folder.Read("plain.txt").substr(0, 81), "%" + std::string(79, '-') + "\r");
    CliRun printed = RunCli(game + " scramble " + Quoted(folder.File("UserMissions/Valley/Valley.cms").string()) +
                                " /dev/stdout",
                            folder);
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out, folder.Read("plain.txt")) << "a device is written, not renamed over";

    const std::string names = Quoted(folder.File("names.dmp").string());
    ASSERT_EQ(RunCli(game + " dump-export Valley " + names, folder).status, 0);
    std::string dump = folder.Read("names.dmp");
    dump.replace(dump.find("Hold the ford"), 13, "Tenir le gue");
    folder.Write("names.dmp", dump);
    ASSERT_EQ(RunCli(game + " dump-import Valley " + names, folder).status, 0);
    EXPECT_NE(folder.Read("UserMissions\\Valley\\Valley.txt").find("{A}Tenir le gue"), std::string::npos);

    CliRun created = RunCli(game + " new 'Maps\\Harbour.m3d'", folder);
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_TRUE(HasLine(RunCli(game + " missions", folder).out, "Harbour\tMaps/Harbour.m3d"));
    EXPECT_EQ(RunCli(game + " delete Harbour", folder).status, 0);
    EXPECT_FALSE(HasLine(RunCli(game + " missions", folder).out, "Harbour\tMaps/Harbour.m3d"));
    EXPECT_EQ(RunCli(game + " delete Harbour", folder).status, 1);

    // A game folder given as "dir/." writes no path of this machine into the game's files.
    ASSERT_EQ(RunCli("-C " + Quoted(folder.path().string() + "/.") + " resave Valley", folder).status, 0);
    EXPECT_EQ(Lines(folder.Read("UserMissions\\Valley.add"))[1], "Maps\\Valley.m3d\r");
}

TEST(Cli, CheckListsWhatOpeningLeavesOut) {
    test::TempGameFolder folder;
    // The map editor took the old mill away.
    folder.Write("Maps\\Valley.m3d", test::MapBytes({"North Ford", "Hill 203", "South Gate"},
                                                      {"Blue Scouts", "Red Column", "Bridge Guard", "Supply Train"}));
    std::string game = "-C " + Quoted(folder.path().string());
    CliRun check = RunCli(game + " check Valley", folder);
    EXPECT_EQ(check.status, 3);
    EXPECT_TRUE(HasLine(check.out, "Relief force\tSendReinforcements\tOld Mill")) << check.out;
    EXPECT_NE(check.err.find("ScenarioEditor: "), std::string::npos);

    CliRun none = RunCli(game + " tree Nowhere", folder);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "Tarvossa Scenario Editor Error: There is no mission Nowhere.\n");
}

}  // namespace
}  // namespace sced

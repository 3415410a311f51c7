#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "core/game_path.h"
#include "files/scramble.h"
#include "support/cli_run.h"
#include "support/game_folder.h"

// Each NAME.script of the folder is run by `sced-cli edit Valley` on a copy
// of the demo game folder. NAME.out holds the standard output it must give,
// NAME.err (when there is one) its remarks. A first comment line
// "# sced-cli edit ARGS" adds arguments, "# exit N" gives the exit status,
// "# declare GROUP DECLARATION" an action the game declares besides, and
// each "# script FROM => TO" a change of the mission script's text made
// before it is opened (every FROM becomes TO).
// NAME.saved.txt, NAME.saved.dsc and NAME.saved.cms (when there are) hold
// the pages, the description and the "#SCRIPT" block of the script that the
// mission is saved with, lines ending in LF. The script runs in the game
// folder, so the files it names stay there. A script named undo_all_* must
// save the mission with the very bytes it was opened with; one named
// writes_nothing_* must leave the missions and maps as they were.

namespace sced {
namespace {

namespace fs = std::filesystem;

const fs::path kScripts = SCED_EDIT_SCRIPTS;

// The file's bytes; nothing for a file that is not there.
std::string FileText(const fs::path& file) { return ReadWholeFile(file).value_or(""); }

std::vector<std::string> ScriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kScripts))
        if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The value of the header comment "# KEY VALUE", or the fallback.
std::string Header(const std::string& script, const std::string& key, const std::string& fallback) {
    std::stringstream lines(script);
    for (std::string line; std::getline(lines, line) && line.starts_with('#');)
        if (line.starts_with("# " + key + " ")) return line.substr(key.size() + 3);
    return fallback;
}

// The files of the missions and maps, by their path below the game folder.
std::map<std::string, std::string> MissionFiles(const fs::path& game) {
    std::map<std::string, std::string> files;
    for (const char* folder : {"UserMissions", "Maps"})
        for (const auto& entry : fs::recursive_directory_iterator(game / folder))
            files[fs::relative(entry.path(), game).string()] = entry.is_regular_file() ? FileText(entry.path()) : "";
    return files;
}

// The "#SCRIPT" block of a scrambled mission script, its end line included.
std::string ScriptBlock(std::string scrambled) {
    Scramble(scrambled);
    std::erase(scrambled, '\r');
    std::size_t start = scrambled.find("#SCRIPT");
    std::size_t end = scrambled.find("#END", start);
    if (start == std::string::npos || end == std::string::npos) return scrambled;
    return scrambled.substr(start, end + 5 - start);
}

// "# declare GROUP DECLARATION": the game declares one more action, offered
// in the menu group of the function structure.
void Declare(const test::TempGameFolder& folder, const std::string& header) {
    if (header.empty()) return;
    const std::size_t blank = header.find(' ');
    const std::string declaration = header.substr(blank + 1);
    std::string functions = folder.Read("Data\\FuncDecl");
    functions.insert(functions.find("#END"), declaration + "\n");
    folder.Write("Data\\FuncDecl", functions);
    std::string structure = folder.Read("Data\\FuncStruct");
    const std::string group = "\n#" + header.substr(0, blank) + "\n";
    structure.insert(structure.find(group, structure.find("#ACTION")) + group.size(),
                     declaration.substr(0, declaration.find('(')) + "\n");
    folder.Write("Data\\FuncStruct", structure);
}

// "# script FROM => TO" lines: the mission script, as another hand or a
// changed map left it.
void EditMissionScript(const test::TempGameFolder& folder, const std::string& script) {
    const std::string file = "UserMissions\\Valley\\Valley.cms";
    std::string text = folder.Read(file);
    Scramble(text);
    const std::string original = text;
    std::stringstream lines(script);
    for (std::string line; std::getline(lines, line) && line.starts_with('#');) {
        const std::size_t arrow = line.find(" => ");
        if (!line.starts_with("# script ") || arrow == std::string::npos) continue;
        const std::string from = line.substr(9, arrow - 9);
        const std::string to = line.substr(arrow + 4);
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    }
    if (text == original) return;
    Scramble(text);
    folder.Write(file, text);
}

class DesignerScript : public testing::TestWithParam<std::string> {};

TEST_P(DesignerScript, GivesItsExpectedOutput) {
    const fs::path script = kScripts / (GetParam() + ".script");
    const std::string text = FileText(script);
    test::TempGameFolder folder;
    Declare(folder, Header(text, "declare", ""));
    EditMissionScript(folder, text);
    test::CliRun run = test::RunCli("-C " + test::Quoted(folder.path().string()) + " edit Valley " +
                                        test::Quoted(script.string()) + " " + Header(text, "sced-cli edit", ""),
                                    folder, folder.path());
    EXPECT_EQ(std::to_string(run.status), Header(text, "exit", "0"));
    EXPECT_EQ(run.out, FileText(kScripts / (GetParam() + ".out")));
    // A file named in a remark is shown below the game folder, whatever its place.
    std::string err = run.err;
    for (std::size_t at; (at = err.find(folder.path().string())) != std::string::npos;) {
        err.replace(at, folder.path().string().size(), "GAME");
        // With "/" between its names, as on every system.
        for (std::size_t c = at; c < err.size() && err[c] != '\n'; ++c)
            if (err[c] == '\\') err[c] = '/';
    }
    EXPECT_EQ(err, FileText(kScripts / (GetParam() + ".err")));
    for (std::string extension : {"txt", "dsc", "cms"}) {
        fs::path expected = kScripts / (GetParam() + ".saved." + extension);
        if (!fs::exists(expected)) continue;
        std::string saved = folder.Read("UserMissions\\Valley\\Valley." + extension);
        if (extension == "cms") saved = ScriptBlock(saved);
        std::erase(saved, '\r');
        EXPECT_EQ(saved, FileText(expected)) << extension;
    }
    if (GetParam().starts_with("undo_all_") || GetParam().starts_with("writes_nothing_")) {
        EXPECT_EQ(MissionFiles(folder.path()), MissionFiles(test::DemoGame()));
    }
}

// A path the tree does not have stops the script at its line, whatever level
// is missing: the steps after it would act on another item.
TEST(DesignerScriptSelect, APathTheTreeDoesNotHaveStopsTheScript) {
    test::TempGameFolder folder;
    for (const char* path : {"99", "0 1 99", "2 1 0 1 9", "0 1 0 1 0", "2 5"}) {
        folder.Write("select.script", std::string("select 0\nselect ") + path + "\ndelete\n");
        test::CliRun run = test::RunCli("-C " + test::Quoted(folder.path().string()) + " edit Valley " +
                                            test::Quoted(folder.File("select.script").string()),
                                        folder);
        EXPECT_EQ(run.status, 4) << path;
        EXPECT_EQ(run.err, "line 2: the tree has no item at that path\n") << path;
    }
    EXPECT_EQ(MissionFiles(folder.path()), MissionFiles(test::DemoGame())) << "nothing saved";
}

// Runs the script in the game folder, without saving.
test::CliRun RunScript(test::TempGameFolder& folder, const std::string& script) {
    folder.Write("steps.script", script);
    return test::RunCli("-C " + test::Quoted(folder.path().string()) + " edit Valley steps.script --no-save", folder,
                        folder.path());
}

// The text names the copied triggers by their place in it, the others and
// the pages in comment lines, so that it pastes back anywhere.
TEST(DesignerScriptText, CopyTextWritesTheScriptWithLabelsTriggerNamesAndPages) {
    test::TempGameFolder folder;
    test::CliRun run = RunScript(folder, "select 3;4\ncopy-text clip.txt\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(folder.Read("clip.txt"),
              "% Tarvossa Scenario Editor: 2 triggers \"Counting\" \"Victory or defeat\"\n"
              "% trigger 0 = \"Start\"\n"
              "% trigger 1 = \"Relief force\"\n"
              "% trigger 3 = #1\n"
              "% trigger 4 = #2\n"
              "% page 0 = Coast.gp 0 The valley is safe.\n"
              "CONDITION \tVar0 != 4 AND CountUnitType( 0,Militia(IN) ) < 10 AND DynGroupSize( Raiders_Dyn ) == 0 AND "
              "TimerIsRunning( 0 ) AND !GroupInZone( Blue Scouts,South Gate )\nTIMES\t\t3\nACTION \t\t\n"
              "\tVar1=CountUnits( 0,Hill 203 ), \n\tVar2=GetTimer( 0 ), \n\tEnableTrigger( 4 ), \n"
              "\tDisableTrigger( 0 ), \n\tSetGameSpeed( -1 ) \n\n" +
                  std::string("%") + std::string(79, '-') +
                  "\nCONDITION \tGroupIsDead( Supply Train ) AND PlayerIsDefeated( 1 ) AND HasUpgrade( 0,257 ) AND "
                  "ObjectiveIsEnabled( 1 ) AND MissionIsDone( 0 ) AND TriggerHasRun( 1 ) AND WeatherIs( 2 ) AND "
                  "SwitchIsOn( 0 )\nTIMES\t\t1\nACTION \t\t\n\tDisableMission( 'C' ), \n\tCompleteMission( 0 ), \n"
                  "\tDeclareWinner( 0 ), \n\tShowPageEx( 0 ) \n\n" +
                  std::string("%") + std::string(79, '-') + "\n");
}

// A text that cannot be read as it stands pastes nothing and says its first
// problem with its line.
TEST(DesignerScriptText, ARefusedTextNamesItsFirstProblemAndLine) {
    const std::string action = "% Tarvossa Scenario Editor: 1 action\n";
    const struct {
        std::string text;
        std::string problem;
    } cases[] = {
        {"", "line 1: the text does not begin with \"% Tarvossa Scenario Editor:\", so it holds no triggers or "
             "commands to paste."},
        {"\n\nRunTimer( 0,600 )\n", "line 3: the text does not begin with \"% Tarvossa Scenario Editor:\", so it "
                                     "holds no triggers or commands to paste."},
        {"% Tarvossa Scenario Editor: 1 trigger\n", "line 1: the first line does not say how many triggers (with "
                                                     "their labels), conditions or actions the text holds."},
        {"% Tarvossa Scenario Editor: 2 actions\r\n\tSetGameSpeed( -1 ) \r\n",
         "line 1: the first line says 2 actions, but the text holds 1."},
        {action + "CONDITION ALWAYS\nACTION\n\tSetGameSpeed( -1 )\n",
         "line 1: the first line says 1 action, but the text holds triggers."},
        {action + "\tBlowUp( 3 ) \n", "line 2: BlowUp : script command is not recognized."},
        {action + "\n\tMoveGroup( Relief_force_Dyn,Atlantis ) \n",
         "line 3: MoveGroup: this mission has nothing named \"Atlantis\"."},
        {action + "% trigger 9 = \"Nobody\"\n\tEnableTrigger( 9 ) \n", "line 2: this mission has no trigger \"Nobody\"."},
        {action + "\tEnableTrigger( 9 ) \n",
         "line 1: EnableTrigger names trigger 9, which no line \"% trigger 9 = ...\" names."},
        {action + "% trigger 9 = Nobody\n\tEnableTrigger( 9 ) \n",
         "line 2: a line that names a trigger reads % trigger NUMBER = \"LABEL\" (or #N for the N-th trigger of the "
         "text)."},
        {action + "\tShowPageEx( 0 ) \n", "line 2: ShowPageEx names page 0, which no line \"% page\" of the text holds."},
    };
    test::TempGameFolder folder;
    for (const auto& [text, problem] : cases) {
        folder.Write("clip.txt", text);
        test::CliRun run = RunScript(folder, "select 0 1\npaste-text clip.txt\nshow modified\n");
        EXPECT_EQ(run.status, 0) << text;
        EXPECT_EQ(run.out, "unmodified\n") << text;
        EXPECT_EQ(run.err, "ScenarioEditor: The text cannot be pasted: " + problem + "\nline 2: nothing done\n") << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, DesignerScript, testing::ValuesIn(ScriptNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace sced

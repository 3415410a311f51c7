// make_demo_mission GAMEDIR
//
// Builds the demo mission on the map "Maps\Valley.m3d" of the game folder,
// with every declared function at least once, and saves it with the editor's
// own writer into the folder's "UserMissions".

#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "core/game_path.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "declarations/function_template.h"
#include "files/mission_package.h"
#include "files/script_writer.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace {

using namespace sced;

class Builder {
public:
    explicit Builder(Scenario& scenario) : scenario_(scenario) {}

    std::unique_ptr<TermCommand> Call(std::string_view name, std::vector<std::int32_t> values, int form = -1) {
        for (const Template& function : scenario_.functions) {
            if (function.name != name || (form >= 0 && function.form != form)) continue;
            if (form < 0 && function.argCount == 1 && function.argKind[0] == KindConst &&
                !values.empty() && function.argConst[0] != values[0])
                continue;
            auto command = std::make_unique<TermCommand>();
            command->Bind(function);
            for (std::size_t i = 0; i < values.size(); ++i) command->SetArg(scenario_, static_cast<int>(i), values[i]);
            return command;
        }
        Fail("no function " + std::string(name));
    }

    std::unique_ptr<TermCommand> Page(std::string_view name, std::int32_t index, PageRecord page) {
        auto command = Call(name, {index});
        command->page = std::make_unique<PageRecord>(std::move(page));
        return command;
    }

    CommandBlock& Trigger(std::string label, int times = 1) {
        auto trigger = std::make_unique<CommandBlock>();
        trigger->text = std::move(label);
        trigger->times = times;
        return static_cast<CommandBlock&>(scenario_.triggers.Append(std::move(trigger)));
    }

private:
    Scenario& scenario_;
};

std::int32_t Unit(int category, int unit) { return category | unit << 8; }
std::int32_t UpgradeOf(int category, int unit, int upgrade) { return category | unit << 8 | upgrade << 16; }

void Build(Scenario& s) {
    Builder b(s);
    StringList& switches = s.objectGroups.GetGroup("switches");
    switches[0] = "Bridge blown";
    switches[1] = "Ford crossed";
    s.objectGroups.GetGroup("timers")[0] = "Attack clock";
    s.objectGroups.GetGroup("dyngroups")[0] = "Relief_force_Dyn";
    s.objectGroups.GetGroup("dyngroups")[1] = "Raiders_Dyn";
    StringList& objectives = s.objectGroups.GetGroup("objectives");
    objectives[0] = "Hold the ford";
    objectives[1] = "Save the supply train";
    s.description = "The valley must be held until the relief force arrives.\nKeep the supply train alive.";
    const int mapGroups = s.objectGroups.GetGroup("groups").count();

    CommandBlock& start = b.Trigger("Start", 1);
    start.conditions.list.Append(b.Call("Always", {}));
    start.actions.Append(b.Page("ShowPageEx", 0, {0, "Camp.gp", "Commander, the valley is yours to hold."}));
    start.actions.Append(b.Call("EnableMission", {0}));
    start.actions.Append(b.Call("EnableMission", {1}));
    start.actions.Append(b.Call("RunTimer", {0, 600}));
    start.actions.Append(b.Call("InitialUpgradeEx", {0, UpgradeOf(0, 0, 1)}));
    start.actions.Append(b.Call("DisableUpgrade", {1, UpgradeOf(3, 0, 0)}));
    start.actions.Append(b.Call("EnableUnit", {0, Unit(4, 3), 1}));
    start.actions.Append(b.Call("SetAlliances", {0, 0x00000201, 0x08040000}));
    start.actions.Append(b.Call("SetWeather", {2}));
    start.actions.Append(b.Call("SetGameSpeed", {5}));
    start.actions.Append(b.Call("GiveResources", {0, 1500}));
    start.actions.Append(b.Call("SetVariable", {0, 3}));

    CommandBlock& relief = b.Trigger("Relief force", 1);
    relief.conditions.list.Append(b.Call("TimerValue", {0, 2, 300}));
    relief.conditions.list.Append(b.Call("SwitchIsOn", {1}, FormNot));
    relief.actions.Append(b.Call("CreateObject0", {0, 0, 3, 128, 2, Unit(1, 2)}));
    relief.actions.Append(b.Call("SendReinforcements", {0, 1, Unit(2, 1), 4, 1, 3, 30}));
    relief.actions.Append(b.Call("MoveGroup", {mapGroups + 0, 1}));
    relief.actions.Append(b.Call("SetFormation", {mapGroups + 0, 3}));
    relief.actions.Append(b.Call("TurnGroup", {1, 4}));

    CommandBlock& ford = b.Trigger("Ford watch", -1);
    ford.conditions.list.Append(b.Call("GroupInZone", {1, 0}, FormCall));
    ford.conditions.list.Append(b.Call("UnitsInZone", {1, 0, 2, 5}));
    auto question = std::make_unique<IfBlock>();
    question->conditions.list.Append(b.Page("AskQuestionEx", 1, {1, "Coast.gp", "Blow up the bridge?"}));
    question->thenCommands.Append(b.Call("SwitchOn", {0}));
    question->thenCommands.Append(b.Call("DamageGroup", {1, 50}));
    auto nested = std::make_unique<IfBlock>();
    nested->conditions.list.Append(b.Call("Chance", {5}));
    nested->thenCommands.Append(b.Call("RemoveDynGroup", {1}));
    question->thenCommands.Append(std::move(nested));
    question->elseCommands.Append(b.Call("SwitchOff", {0}));
    question->elseCommands.Append(b.Call("ResetTimer", {0}));
    ford.actions.Append(std::move(question));
    auto noElse = std::make_unique<IfBlock>();
    noElse->thenCommands.Append(b.Call("PreserveTrigger", {2}));
    ford.actions.Append(std::move(noElse));
    ford.actions.Append(b.Call("SwitchOn", {1}));

    CommandBlock& counts = b.Trigger("Counting", 3);
    counts.conditions.list.Append(b.Call("VarValue", {0, 1, 4}));
    counts.conditions.list.Append(b.Call("CountUnitType", {0, Unit(0, 4), 3, 10}));
    counts.conditions.list.Append(b.Call("DynGroupSize", {1, 0, 0}));
    counts.conditions.list.Append(b.Call("TimerIsRunning", {0}));
    counts.conditions.list.Append(b.Call("GroupInZone", {0, 3}, FormNot));
    counts.actions.Append(b.Call("CountUnits", {1, 0, 2}));
    counts.actions.Append(b.Call("GetTimer", {2, 0}));
    counts.actions.Append(b.Call("EnableTrigger", {4}));
    counts.actions.Append(b.Call("DisableTrigger", {0}));
    counts.actions.Append(b.Call("SetGameSpeed", {-1}));

    CommandBlock& end = b.Trigger("Victory or defeat", 1);
    end.conditions.list.Append(b.Call("GroupIsDead", {3}));
    end.conditions.list.Append(b.Call("PlayerIsDefeated", {1}));
    end.conditions.list.Append(b.Call("HasUpgrade", {0, UpgradeOf(1, 1, 0)}));
    end.conditions.list.Append(b.Call("ObjectiveIsEnabled", {1}));
    end.conditions.list.Append(b.Call("MissionIsDone", {0}));
    end.conditions.list.Append(b.Call("TriggerHasRun", {1}));
    end.conditions.list.Append(b.Call("WeatherIs", {2}));
    end.conditions.list.Append(b.Call("SwitchIsOn", {0}, FormCall));
    end.actions.Append(b.Call("DisableMission", {1}));
    end.actions.Append(b.Call("CompleteMission", {0}));
    end.actions.Append(b.Call("DeclareWinner", {0}));
    end.actions.Append(b.Page("ShowPageEx", 2, {0, "Coast.gp", "The valley is safe."}));

    b.Trigger("Empty trigger", 1);
    s.triggers.UpdateText(s);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_demo_mission GAMEDIR\n";
        return 2;
    }
    try {
        std::filesystem::path folder = MakeGameFolder(argv[1]);
        StringTable::Instance().Load(folder);
        Scenario scenario(folder);
        Check(NewMission(scenario, "Maps\\Valley.m3d"), "The demo map cannot be read.");
        scenario.title = "Valley of the Ford";
        Build(scenario);
        for (const auto& file : SaveMission(scenario)) std::cout << file.string() << '\n';
    } catch (const ScenarioError& e) {
        std::cerr << "make_demo_mission: " << e.text() << '\n';
        return 1;
    }
    return 0;
}

#include "support/random_mission.h"

#include <set>

#include "declarations/function_template.h"
#include "model/command_tree.h"

namespace sced::test {

namespace {

int Pick(std::mt19937& random, int count) {
    return count <= 0 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(random);
}
bool Chance(std::mt19937& random, int percent) { return Pick(random, 100) < percent; }

std::vector<std::string> UniqueNames(std::mt19937& random, int count, const std::set<std::string>& taken,
                                     const std::string& suffix = "") {
    std::set<std::string> used = taken;
    std::vector<std::string> names;
    while (static_cast<int>(names.size()) < count) {
        std::string name = RandomName(random) + suffix;
        if (used.insert(name).second) names.push_back(name);
    }
    return names;
}

class MissionMaker {
public:
    MissionMaker(Scenario& scenario, std::mt19937& random) : s_(scenario), random_(random) {
        for (const Template& function : s_.functions) {
            if (function.name == "IfBlock") continue;
            (function.isCondition ? conditions_ : actions_).push_back(&function);
        }
    }

    void Fill() {
        RenameGroups();
        int triggers = Pick(random_, 12) + 1;
        for (int t = 0; t < triggers; ++t) {
            auto trigger = std::make_unique<CommandBlock>();
            trigger->text = RandomName(random_);
            const int times[] = {-1, 0, 1, 1, 3, 25};
            trigger->times = times[Pick(random_, 6)];
            triggerCount_ = triggers;
            AddConditions(trigger->conditions.list, Pick(random_, 4));
            int actions = Pick(random_, 5);
            for (int a = 0; a < actions; ++a)
                trigger->actions.Append(Chance(random_, 20) ? If(2) : Action());
            s_.triggers.Append(std::move(trigger));
        }
        Number();
        s_.triggers.UpdateText(s_);
    }

private:
    static int Size(const std::vector<const Template*>& list) { return static_cast<int>(list.size()); }

    void RenameGroups() {
        ObjectGroups& groups = s_.objectGroups;
        const StringList& mapGroups = groups.GetGroup("groups");
        std::set<std::string> taken(mapGroups.begin(), mapGroups.end());
        StringList& dyn = groups.GetGroup("dyngroups");
        std::vector<std::string> dynNames = UniqueNames(random_, 8, taken, "_Dyn");
        for (int i = 0; i < 8; ++i) dyn[Pick(random_, dyn.count())] = dynNames[static_cast<std::size_t>(i)];
        // The picks may have hit one item twice; an item that now repeats another is renamed back.
        for (int i = 0; i < dyn.count(); ++i)
            if (dyn.IndexOf(dyn[i]) != i) dyn[i] = "Spare" + std::to_string(i) + "_Dyn";
        for (const char* name : {"switches", "timers", "players", "objectives"}) {
            StringList& items = groups.GetGroup(name);
            std::vector<std::string> names = UniqueNames(random_, 4, {});
            for (const std::string& item : names) items[Pick(random_, items.count())] = item;
        }
        s_.description = RandomName(random_) + "\n" + RandomName(random_);
    }

    void AddConditions(CommandSeq& list, int count, bool insideIf = false) {
        for (int c = 0; c < count; ++c) {
            const Template& function = *conditions_[static_cast<std::size_t>(Pick(random_, Size(conditions_)))];
            if (function.name == "AskQuestionEx" && !insideIf) continue;
            list.Append(Call(function));
        }
    }

    std::unique_ptr<IfBlock> If(int depth) {
        auto ifBlock = std::make_unique<IfBlock>();
        AddConditions(ifBlock->conditions.list, Pick(random_, 3), true);
        int thenCount = Pick(random_, 4);
        for (int i = 0; i < thenCount; ++i) ifBlock->thenCommands.Append(Branch(depth));
        int elseCount = Chance(random_, 50) ? Pick(random_, 3) : 0;
        for (int i = 0; i < elseCount; ++i) ifBlock->elseCommands.Append(Branch(depth));
        return ifBlock;
    }

    // A command of an IF's branch: a nested IF while depth allows, else an action.
    std::unique_ptr<Command> Branch(int depth) {
        if (depth > 1 && Chance(random_, 25)) return If(depth - 1);
        return Action();
    }
    std::unique_ptr<Command> Action() {
        return Call(*actions_[static_cast<std::size_t>(Pick(random_, Size(actions_)))]);
    }

    std::int32_t Value(const Template& function, std::size_t i) {
        const std::string& group = function.argGroup[i];
        const ObjectGroups& groups = s_.objectGroups;
        const UnitLists& lists = s_.lists;
        switch (function.argKind[i]) {
            case KindConst: return function.argConst[i];
            case KindChInt:
                if (function.name == "SetAlliances") return static_cast<std::int32_t>(random_());
                if (function.argHigh[i] == -1) return function.argLow[i] + Pick(random_, 5000);
                return function.argLow[i] + Pick(random_, function.argHigh[i] - function.argLow[i] + 1);
            case KindGroup:
                if (group == "groups") return Pick(random_, groups.GetGroup("groups").count() + 64);
                if (group == "blocks") return Pick(random_, triggerCount_);
                return Pick(random_, groups.GetGroup(group).count());
            case KindGroupNumber:
                if (group == "unittypes") {
                    int c = Pick(random_, static_cast<int>(lists.unitCategories.size()));
                    int u = Pick(random_, static_cast<int>(lists.unitCategories[static_cast<std::size_t>(c)].units.size()));
                    // The chooser marks the levels it does not have with 255.
                    std::uint32_t absent = Chance(random_, 50) ? 0xFFFF0000u : 0;
                    return static_cast<std::int32_t>(absent | static_cast<std::uint32_t>(c | u << 8));
                }
                if (group == "upgrades") {
                    for (;;) {
                        int c = Pick(random_, static_cast<int>(lists.upgradeCategories.size()));
                        const auto& units = lists.upgradeCategories[static_cast<std::size_t>(c)].units;
                        if (units.empty()) continue;
                        int u = Pick(random_, static_cast<int>(units.size()));
                        int g = Pick(random_, static_cast<int>(units[static_cast<std::size_t>(u)].upgrades.size()));
                        std::uint32_t absent = Chance(random_, 50) ? 0xFF000000u : 0;
                        return static_cast<std::int32_t>(absent | static_cast<std::uint32_t>(c | u << 8 | g << 16));
                    }
                }
                if (group == "formations") return Pick(random_, static_cast<int>(lists.formations.size()));
                if (group == "missions") return Pick(random_, groups.GetGroup("missions").count());
                return Pick(random_, 256) - (Chance(random_, 20) ? 300 : 0);
        }
        return 0;
    }

    std::unique_ptr<TermCommand> Call(const Template& function) {
        auto command = std::make_unique<TermCommand>();
        command->Bind(function);
        for (std::size_t i = 0; i < static_cast<std::size_t>(function.argCount); ++i)
            command->SetArg(s_, static_cast<int>(i), Value(function, i));
        if (function.name == "ShowPageEx" || function.name == "AskQuestionEx") {
            std::string body = RandomName(random_, 60);
            if (Chance(random_, 30)) body = std::to_string(Pick(random_, 1000)) + " " + body;
            command->page = std::make_unique<PageRecord>(PageRecord{Pick(random_, 9) - 1, "pic" + std::to_string(Pick(random_, 3)) + ".gp", body});
        }
        return command;
    }

    // The values the writer decides: pages numbered in writing order, and
    // each "PreserveTrigger" naming its own trigger.
    void Number() {
        int page = 0;
        for (int t = 0; t < s_.triggers.count(); ++t)
            ForEachCall(s_.triggers.At(t), [&](TermCommand& call) {
                if (call.page) call.args[0] = page++;
                if (call.function->name == "PreserveTrigger") call.args[0] = t;
            });
    }

    Scenario& s_;
    std::mt19937& random_;
    std::vector<const Template*> conditions_;
    std::vector<const Template*> actions_;
    int triggerCount_ = 1;
};

}  // namespace

std::string RandomName(std::mt19937& random, std::size_t maxLength) {
    static const char* const kPieces[] = {"North", "gate", "CONDITION", "ACTION", "SCRIPT", "END", "AND", "IF",
                                          "ELSE", "TIMES", "ALWAYS", "[x]", "(2)", "ford", "7", "\xC4\xEE\xEC",
                                          "%", "#", "=", "!", "'", "Var", "mill", "_"};
    std::string name = "N";
    const int pieces = Pick(random, 4) + 1;
    bool bracket = false;
    for (int i = 0; i < pieces; ++i) {
        std::string piece = kPieces[Pick(random, std::size(kPieces))];
        if (piece == "(2)") {
            if (bracket) continue;
            bracket = true;
        }
        name += (Chance(random, 50) ? " " : "") + piece;
    }
    if (name.size() > maxLength) name.resize(maxLength);
    while (name.back() == ' ') name.pop_back();
    // A cut may leave half a bracket pair.
    if (name.find('(') != std::string::npos && name.find(')') == std::string::npos) name += ")";
    return name;
}

RandomMap MakeRandomMap(std::mt19937& random) {
    RandomMap map;
    map.zones = UniqueNames(random, Pick(random, 6) + 1, {});
    map.groups = UniqueNames(random, Pick(random, 6), {});
    if (Chance(random, 50) && !map.zones.empty() && !map.groups.empty()) map.groups[0] = map.zones[0];
    return map;
}

void FillRandomMission(Scenario& scenario, std::mt19937& random) { MissionMaker(scenario, random).Fill(); }

}  // namespace sced::test

// The script text of the command tree: each trigger, IF and call as the game
// reads it.

#include "core/scenario_error.h"
#include "declarations/function_template.h"
#include "model/argument_text.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

std::string Decimal(std::int32_t value) { return std::to_string(value); }

void WriteConditions(Scenario& scenario, const ConditionList& conditions, ScriptOutput& out) {
    if (conditions.list.empty()) {
        out.text += " ALWAYS\n";
        return;
    }
    for (int i = 0; i < conditions.list.count(); ++i) {
        if (i > 0) out.text += " AND ";
        conditions.list.At(i).WriteScript(scenario, out);
    }
}

std::string ItemOf(const Scenario& scenario, std::string_view group, std::int32_t value) {
    const StringList& items = scenario.objectGroups.GetGroup(group);
    return items.Contains(value) ? items[value] : std::string();
}

std::string UpgradeId(const Scenario& scenario, std::int32_t value) {
    const Upgrade* upgrade = scenario.lists.UpgradeAt(value);
    return upgrade ? upgrade->id : std::string();
}

std::string MissionLetter(std::int32_t objective) {
    return std::string("'") + static_cast<char>('A' + 2 * objective) + "'";
}

}  // namespace

void CommandSeq::WriteScript(Scenario& scenario, ScriptOutput& out, int indent) const {
    for (int i = 0; i < count(); ++i) {
        out.text.append(static_cast<std::size_t>(indent), '\t');
        At(i).WriteScript(scenario, out);
        out.text += i + 1 < count() ? ", \n" : " \n";
    }
}

void CommandBlock::WriteScript(Scenario& scenario, ScriptOutput& out) const {
    out.text += "CONDITION \t";
    WriteConditions(scenario, conditions, out);
    if (times != -1) out.text += "\nTIMES\t\t" + Decimal(times) + "\n";
    out.text += "ACTION \t\t\n";
    actions.WriteScript(scenario, out, 1);
    out.text += "\n";
}

void IfBlock::WriteScript(Scenario& scenario, ScriptOutput& out) const {
    out.text += "IF ";
    WriteConditions(scenario, conditions, out);
    out.text += "\n\t[\n";
    thenCommands.WriteScript(scenario, out, 2);
    out.text += "\t]\n";
    if (elseCommands.empty()) return;
    out.text += "\tELSE\n\t[\n";
    elseCommands.WriteScript(scenario, out, 2);
    out.text += "\t]";
}

void TermCommand::WriteScript(Scenario& scenario, ScriptOutput& out) const {
    Check(function != nullptr, "TermCommand::WriteScript - the command has no function.");
    const std::string& name = function->name;
    auto arg = [&](int i) { return args[static_cast<std::size_t>(i)]; };
    std::string& text = out.text;
    if (name == "Always") {
        text += "ALWAYS";
    } else if (name == "CreateObject0") {
        const Formation* formation = scenario.lists.FormationAt(arg(4));
        text += "CreateObject0( " + ItemOf(scenario, "dyngroups", arg(0)) + ",#" +
                (formation ? formation->name : std::string()) + "," + UnitTypeScriptText(scenario, arg(5)) +
                "," + Decimal(arg(1)) + "," + ItemOf(scenario, "zones", arg(2)) + "," + Decimal(arg(3)) + " )";
    } else if (name == "InitialUpgradeEx" || name == "DisableUpgrade") {
        std::string quote = name == "InitialUpgradeEx" ? "\"" : "";
        text += name + "( " + quote + ArgumentScriptText(scenario, *this, 0) + quote + ",\"" +
                UpgradeId(scenario, arg(1)) + "\" )";
    } else if (name == "VarValue") {
        text += "Var" + Decimal(arg(0)) + " " + std::string(ComparisonOperator(arg(1))) + " " + Decimal(arg(2));
    } else if (name == "PreserveTrigger") {
        text += "PreserveTrigger( " + Decimal(out.triggerIndex) + " )";
    } else if (name == "EnableUnit") {
        text += "EnableUnit( " + Decimal(arg(0)) + "," + UnitTypeScriptText(scenario, arg(1)) + "," +
                Decimal(arg(2)) + " )";
    } else if (name == "EnableMission" || name == "DisableMission") {
        text += name + "( " + MissionLetter(arg(0)) + " )";
    } else if (name == "CompleteMission") {
        text += "CompleteMission( " + Decimal(arg(0)) + " )";
    } else if (name == "ShowPageEx" || name == "AskQuestionEx") {
        text += "ShowPageEx( " + Decimal(Pages().size()) + " )";
        Pages().Append(page ? *page : PageRecord{});
    } else {
        int first = 0;
        if (form == FormNot) text += "!";
        if (form == FormAssign) {
            text += "Var" + Decimal(arg(0)) + "=";
            first = 1;
        }
        text += name + "( ";
        int last = form == FormCompare ? argCount - 2 : argCount;
        for (int i = first; i < last; ++i) {
            if (i > first) text += ",";
            text += ArgumentScriptText(scenario, *this, i);
        }
        text += " )";
        if (form == FormCompare && argCount >= 2)
            text += " " + std::string(ComparisonOperator(arg(argCount - 2))) + " " +
                    ArgumentScriptText(scenario, *this, argCount - 1);
    }
}

}  // namespace sced

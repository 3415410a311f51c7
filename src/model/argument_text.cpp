#include "model/argument_text.h"

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/text_reader.h"
#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

constexpr std::size_t kShownLength = 96;

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

const Template& FunctionOf(const TermCommand& command, int index) {
    Check(command.function && index >= 0 && index < command.function->argCount && index < command.argCount,
          "Scenario::GetArgumentString - Incorrect argument index.");
    return *command.function;
}

std::string ItemText(const StringList& items, std::int32_t value) {
    return items.Contains(value) ? items[value] : std::string();
}

// The groups whose item names are shown in braces in a sentence.
bool IsBracedGroup(const std::string& group) {
    return group == "switches" || group == "players" || group == "groups" || group == "zones" ||
           group == "dyngroups" || group == "timers";
}

std::string GroupItemText(const Scenario& scenario, const std::string& group, std::int32_t value) {
    const ObjectGroups& groups = scenario.objectGroups;
    int found = groups.FindGroup(group);
    Check(found >= 0, "Scenario::GetArgumentString - object group <" + group + "> not found.");
    const StringList& items = groups[found].items;
    if (group == "groups" && value >= items.count())
        return ItemText(groups.GetGroup("dyngroups"), value - items.count());
    if (group == "blocks") {
        if (value < 0 || value >= scenario.triggers.count()) return {};
        return Quoted(Cut96(scenario.triggers.At(value).text));
    }
    if (!items.Contains(value)) return {};
    std::string text = Cut96(items[value]);
    return group == "objectives" ? Quoted(text) : text;
}

std::string NumberedText(const Scenario& scenario, const TermCommand& command, const Template& function,
                         std::size_t slot) {
    std::int32_t value = command.args[slot];
    if (value == -1) return {};
    const std::string& group = function.argGroup[slot];
    const UnitLists& lists = scenario.lists;
    if (group == "unittypes") {
        const UnitType* unit = lists.UnitTypeAt(value);
        return unit ? unit->title : std::string();
    }
    if (group == "upgrades") {
        const Upgrade* upgrade = lists.UpgradeAt(value);
        return upgrade ? upgrade->title : std::string();
    }
    if (group == "formations") {
        const Formation* formation = lists.FormationAt(value);
        return formation ? formation->name : std::string();
    }
    if (group == "pages") return command.page ? Quoted(Cut96(command.page->body)) : function.argDefText[slot];
    return function.argDefText[slot];
}

}  // namespace

std::string Cut96(const std::string& text) {
    return text.size() > kShownLength ? text.substr(0, kShownLength) + "..." : text;
}

std::string GetArgumentString(const Scenario& scenario, const TermCommand& command, int index) {
    const Template& function = FunctionOf(command, index);
    auto slot = static_cast<std::size_t>(index);
    switch (function.argKind[slot]) {
        case KindGroup:
            if (command.IsLost(index)) return Cut96(command.argText[slot]);
            return GroupItemText(scenario, function.argGroup[slot], command.args[slot]);
        case KindConst:
        case KindChInt: return std::to_string(command.args[slot]);
        case KindGroupNumber: return NumberedText(scenario, command, function, slot);
    }
    Fail("Scenario::GetArgumentString - incorrect argument type.");
}

std::string GetObjectString(const Scenario& scenario, const TermCommand& command, int index) {
    const Template& function = FunctionOf(command, index);
    auto slot = static_cast<std::size_t>(index);
    Check(function.argKind[slot] == KindGroup, "Scenario::GetObjectString - argument doesn't have object type.");
    const std::string& group = function.argGroup[slot];
    std::int32_t value = command.args[slot];
    const ObjectGroups& groups = scenario.objectGroups;
    if (command.IsLost(index)) return command.argText[slot];
    if (group == "zones") return ItemText(groups.GetGroup("zones"), value);
    if (group == "groups") {
        const StringList& mapGroups = groups.GetGroup("groups");
        if (value < mapGroups.count()) return ItemText(mapGroups, value);
        return ItemText(groups.GetGroup("dyngroups"), value - mapGroups.count());
    }
    if (group == "dyngroups") return ItemText(groups.GetGroup("dyngroups"), value);
    return std::to_string(value);
}

std::string ArgumentScriptText(const Scenario& scenario, const TermCommand& command, int index) {
    const Template& function = FunctionOf(command, index);
    auto slot = static_cast<std::size_t>(index);
    switch (function.argKind[slot]) {
        case KindGroup: return GetObjectString(scenario, command, index);
        case KindConst:
        case KindChInt:
        case KindGroupNumber:
            if (function.argGroup[slot] == "unittypes") return UnitTypeScriptText(scenario, command.args[slot]);
            return std::to_string(command.args[slot]);
    }
    return "ERROR";
}

std::string UnitTypeScriptText(const Scenario& scenario, std::int32_t value) {
    const UnitType* unit = scenario.lists.UnitTypeAt(value);
    if (!unit) return {};
    return unit->id + "(" + scenario.lists.UnitCategoryOf(value)->code + ")";
}

void TermCommand::UpdateText(Scenario& scenario) {
    if (!function) return;
    const Template& declared = *function;
    std::string_view sentence = declared.text;
    std::size_t open = sentence.find('<');
    std::string result(sentence.substr(0, open));
    for (int p = 0; p < declared.placeholderCount && open != std::string_view::npos; ++p) {
        const Placeholder& placeholder = declared.placeholders[static_cast<std::size_t>(p)];
        int arg = placeholder.argIndex;
        std::string argument;
        std::string group;
        if (arg >= 0 && arg < declared.argCount) {
            auto slot = static_cast<std::size_t>(arg);
            group = declared.argGroup[slot];
            argument = IsFilled(p) && arg < argCount ? GetArgumentString(scenario, *this, arg)
                                                     : declared.argDefText[slot];
        }
        if (IsBracedGroup(group)) argument = StringTable::Instance().Bracketed(argument);
        result += argument;
        std::size_t close = sentence.find('>', open);
        if (close == std::string_view::npos) break;
        open = sentence.find('<', close + 1);
        result += sentence.substr(close + 1, open == std::string_view::npos ? std::string_view::npos
                                                                            : open - close - 1);
    }
    if (!result.empty()) result[0] = ToUpperChar(result[0]);
    text = std::move(result);
}

}  // namespace sced

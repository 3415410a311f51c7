#include "declarations/function_groups.h"

#include "core/fixed_list.h"
#include "core/scenario_error.h"

namespace sced {

namespace {

constexpr std::string_view kFuncDecl = "Data\\FuncDecl";
constexpr std::string_view kFuncStruct = "Data\\FuncStruct";
constexpr int kGroupNameCapacity = 256;

struct GroupName {
    std::string key;
    std::string translation;
};

FixedList<GroupName> ReadGroupNames(TextReader& funcDecl) {
    FixedList<GroupName> names(kGroupNameCapacity);
    Check(funcDecl.FindSection("#GROUPNAMES") == 0, MissingSectionText(kFuncDecl, "#GROUPNAMES"));
    std::string line;
    for (int result; (result = funcDecl.ReadLine(line)) != TextReader::kEnd;) {
        Check(result != TextReader::kTooLong, LongLineText(kFuncDecl, "#GROUPNAMES"));
        GroupName entry;
        std::size_t space = line.find(' ');
        entry.key = line.substr(0, space);
        if (space != std::string::npos) entry.translation = StripQuotes(line.substr(space + 1));
        names.Add(entry);
    }
    return names;
}

void ReadMenuSection(TextReader& funcStruct, std::string_view section, bool isCondition,
                     const FixedList<GroupName>& names, const std::vector<Template>& declared,
                     std::string& currentGroup, std::vector<Template>& arranged) {
    std::string line;
    for (int result; (result = funcStruct.ReadLine(line)) != TextReader::kEnd;) {
        Check(result != TextReader::kTooLong, "Cannot parse " + std::string(section) + " block ");
        if (result == TextReader::kHeader) {
            const GroupName* found = nullptr;
            for (const GroupName& name : names)
                if (name.key == line) {
                    found = &name;
                    break;
                }
            CheckJoined(found != nullptr, "There is no translation for group name ", line);
            currentGroup = found->translation;
            continue;
        }
        for (const Template& function : declared) {
            if (function.name != line) continue;
            Template& copy = arranged.emplace_back(function);
            copy.menuGroup = currentGroup;
            copy.isCondition = isCondition;
        }
    }
}

}  // namespace

std::vector<Template> ArrangeFunctions(const std::vector<Template>& declared, TextReader& funcDecl,
                                       TextReader& funcStruct) {
    FixedList<GroupName> names = ReadGroupNames(funcDecl);
    std::vector<Template> arranged;
    std::string currentGroup;
    Check(funcStruct.FindSection("#CONDITION") == 0, MissingSectionText(kFuncStruct, "#CONDITION"));
    ReadMenuSection(funcStruct, "#CONDITION", true, names, declared, currentGroup, arranged);
    // A missing "#ACTION" leaves the position on the "#END" of "#CONDITION":
    // an empty section.
    funcStruct.FindSection("#ACTION");
    ReadMenuSection(funcStruct, "#ACTION", false, names, declared, currentGroup, arranged);
    return arranged;
}

std::vector<ObjectGroup> ReadDeclaredGroups(TextReader& funcDecl) {
    std::vector<ObjectGroup> groups;
    // A missing "#GROUPS" leaves the position at the end of "#GROUPNAMES".
    funcDecl.FindSection("#GROUPS");
    if (!funcDecl.hasPosition()) return groups;
    ObjectGroup working;
    bool noItemYet = true;
    std::string line;
    for (int result; (result = funcDecl.ReadLine(line)) != TextReader::kEnd;) {
        Check(result != TextReader::kTooLong, LongLineText(kFuncDecl, "#GROUPS"));
        if (result == TextReader::kHeader) {
            // A header before the section's first item is replaced unseen.
            if (!noItemYet) groups.push_back(working);
            working.items.Clear();
            working.renamable = !line.empty() && line.front() == '$';
            working.name = working.renamable ? line.substr(1) : line;
            continue;
        }
        working.items.Add(line);
        noItemYet = false;
    }
    if (!noItemYet) groups.push_back(working);
    return groups;
}

}  // namespace sced

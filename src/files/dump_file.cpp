#include "files/dump_file.h"

#include <algorithm>

#include "core/file_write.h"
#include "core/scenario_error.h"
#include "core/game_path.h"
#include "core/text_reader.h"
#include "model/mission_properties.h"
#include "model/scenario.h"
#include "model/written_names.h"

namespace sced {

namespace {

// A text the dump carries as the lines of a section: no line of it may
// close the section.
void CheckSectionText(std::string_view what, std::string_view text) {
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        std::string_view line = text.substr(at, end - at);
        if (IsEndLine(line))
            Fail("The line \"" + ReadableName(line) + "\" of the " + std::string(what) +
                 " cannot be written to the dump: it would end its section.");
        at = end + 1;
    }
}

// Names go one a line; a name that holds a line break would shift the rest.
void CheckName(std::string_view section, std::string_view name) {
    Check(!HasControlCharacter(name), "The name \"" + ReadableName(name) + "\" in the section " + std::string(section) +
                                       " cannot be written to the dump.");
}

// The group's names as written: an empty name as its default, so that no
// later name moves up a place when the dump is read.
void Section(std::string& out, std::string_view header, const Scenario& scenario, std::string_view group) {
    out += "\n";
    out += header;
    out += "\n";
    for (int i = 0; i < scenario.objectGroups.GetGroup(group).count(); ++i) {
        std::string name = WrittenName(scenario, group, i);
        CheckName(header, name);
        out += NameLine(name);
    }
    out += "#END\n";
}

// A section's text as one value: its lines with "\n" between them.
std::string TextOf(std::string_view body) {
    if (body.ends_with("\r\n"))
        body.remove_suffix(2);
    else if (body.ends_with('\n') || body.ends_with('\r'))
        body.remove_suffix(1);
    return CrLfToLf(body);
}

void Rename(StringList& items, const std::vector<TextSection>& sections, std::string_view header) {
    auto body = FindSectionBody(sections, header);
    if (!body) return;
    std::vector<std::string> lines = NameLines(*body);
    for (int k = 0; k < items.count() && k < static_cast<int>(lines.size()); ++k) items[k] = lines[k];
}

}  // namespace

std::string DumpText(const Scenario& scenario) {
    CheckSectionText("title", scenario.title);
    CheckSectionText("description", scenario.description);
    std::string out = "#TITLE\n" + scenario.title + "\n#END\n";
    out += "\n#DESCRIPTION\n" + scenario.description + "\n#END\n";
    Section(out, "#OBJECTIVES", scenario, "objectives");
    out += "\n#TRIGGERS\n";
    for (int i = 0; i < scenario.triggers.count(); ++i) {
        std::string label = WrittenTriggerLabel(scenario, i);
        CheckName("#TRIGGERS", label);
        out += NameLine(label);
    }
    out += "#END\n";
    Section(out, "#SWITCHES", scenario, "switches");
    Section(out, "#TIMERS", scenario, "timers");
    Section(out, "#PLAYERS", scenario, "players");
    return out;
}

bool WriteDump(const Scenario& scenario, const std::filesystem::path& path) {
    WarnOfEmptyNames(scenario);
    return WriteFileAtomically(path, WithCrLf(DumpText(scenario)));
}

bool ReadDump(Scenario& scenario, const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return false;
    ReadDumpText(scenario, *bytes);
    return true;
}

void ReadDumpText(Scenario& scenario, std::string_view text) {
    text = text.substr(0, text.find('\0'));
    ObjectGroups& groups = scenario.objectGroups;
    StringList& objectives = groups.GetGroup("objectives");
    StringList& dynGroups = groups.GetGroup("dyngroups");
    StringList& switches = groups.GetGroup("switches");
    StringList& timers = groups.GetGroup("timers");
    StringList& players = groups.GetGroup("players");

    std::vector<TextSection> sections = SplitSections(text);
    if (auto title = FindSectionBody(sections, "#TITLE")) scenario.title = OneLineTitle(TextOf(*title));
    if (auto description = FindSectionBody(sections, "#DESCRIPTION")) scenario.description = TextOf(*description);
    Rename(objectives, sections, "#OBJECTIVES");
    Rename(dynGroups, sections, "#DYNGROUPS");
    Rename(switches, sections, "#SWITCHES");
    if (auto body = FindSectionBody(sections, "#TRIGGERS")) {
        std::vector<std::string> labels = NameLines(*body);
        for (int k = 0; k < scenario.triggers.count() && k < static_cast<int>(labels.size()); ++k)
            scenario.triggers.At(k).text = labels[k];
    }
    Rename(timers, sections, "#TIMERS");
    Rename(players, sections, "#PLAYERS");
    // A dump may name a dynamic group like a map group or like another one;
    // the script could not tell them apart.
    groups.UniquifyDynGroups();
}

}  // namespace sced

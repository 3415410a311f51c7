#include "files/dump_file.h"

#include "core/file_write.h"
#include "core/game_path.h"
#include "core/text_reader.h"
#include "model/scenario.h"

namespace sced {

namespace {

constexpr std::size_t npos = std::string_view::npos;

void Section(std::string& out, std::string_view header, const StringList& items) {
    out += header;
    for (const std::string& item : items) out += NameLine(item);
    out += "#END\n";
}

std::size_t AfterLine(std::string_view text, std::size_t at) {
    std::size_t end = text.find_first_of("\r\n", at);
    if (end == npos) return text.size();
    if (text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    return end;
}

void Rename(StringList& items, const std::vector<std::string>& lines) {
    for (int k = 0; k < items.count() && k < static_cast<int>(lines.size()); ++k) items[k] = lines[k];
}

}  // namespace

std::string DumpText(const Scenario& scenario) {
    const ObjectGroups& groups = scenario.objectGroups;
    std::string out = "#TITLE\n" + scenario.title + "\n#END\n";
    out += "\n#DESCRIPTION\n" + scenario.description + "\n#END\n";
    Section(out, "\n#OBJECTIVES\n", groups.GetGroup("objectives"));
    out += "\n#TRIGGERS\n";
    for (const auto& trigger : scenario.triggers) out += NameLine(trigger->text);
    out += "#END\n";
    Section(out, "\n#SWITCHES\n", groups.GetGroup("switches"));
    Section(out, "\n#TIMERS\n", groups.GetGroup("timers"));
    Section(out, "\n#PLAYERS\n", groups.GetGroup("players"));
    return out;
}

bool WriteDump(const Scenario& scenario, const std::filesystem::path& path) {
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

    if (std::size_t title = FindWholeLine(text, "#TITLE"); title != npos) {
        std::size_t line = AfterLine(text, title);
        scenario.title = text.substr(line, text.find_first_of("\r\n", line) - line);
    }
    // The description runs over its lines up to its "#END" line.
    if (std::size_t description = FindWholeLine(text, "#DESCRIPTION"); description != npos) {
        std::size_t begin = AfterLine(text, description);
        std::size_t end = FindAtLineStart(text, "#END", begin);
        std::string_view body = text.substr(begin, (end == npos ? text.size() : end) - begin);
        if (body.ends_with("\r\n"))
            body.remove_suffix(2);
        else if (body.ends_with('\n') || body.ends_with('\r'))
            body.remove_suffix(1);
        scenario.description = CrLfToLf(body);
    }
    Rename(objectives, SectionLines(text, "#OBJECTIVES"));
    Rename(dynGroups, SectionLines(text, "#DYNGROUPS"));
    Rename(switches, SectionLines(text, "#SWITCHES"));
    std::vector<std::string> labels = SectionLines(text, "#TRIGGERS");
    for (int k = 0; k < scenario.triggers.count() && k < static_cast<int>(labels.size()); ++k)
        scenario.triggers.At(k).text = labels[k];
    Rename(timers, SectionLines(text, "#TIMERS"));
    Rename(players, SectionLines(text, "#PLAYERS"));
}

}  // namespace sced

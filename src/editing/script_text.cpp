#include "editing/script_text.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <unordered_map>

#include "core/scenario_error.h"
#include "declarations/function_template.h"
#include "editing/trigger_references.h"
#include "files/mission_package.h"
#include "files/script_parser.h"
#include "model/command_tree.h"
#include "model/page_table.h"
#include "model/scenario.h"

namespace sced {

namespace {

constexpr std::string_view kHeader = "% Tarvossa Scenario Editor:";
const std::string kRule = "%" + std::string(79, '-');

bool IsPageCall(const TermCommand& call) {
    if (!call.function) return false;
    std::string_view name = call.function->name;
    return name == "ShowPageEx" || name == "AskQuestionEx";
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string_view TrimmedLeft(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// Reads a quoted text ("" inside for a quote) from the front of rest.
bool ReadQuoted(std::string_view& rest, std::string& out) {
    rest = TrimmedLeft(rest);
    if (!rest.starts_with('"')) return false;
    out.clear();
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] != '"') {
            out += rest[i];
        } else if (i + 1 < rest.size() && rest[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            rest.remove_prefix(i + 1);
            return true;
        }
    }
    return false;
}

bool ReadNumber(std::string_view& rest, std::int64_t& value) {
    rest = TrimmedLeft(rest);
    auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc() || end == rest.data()) return false;
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    return true;
}

bool ReadWord(std::string_view& rest, std::string_view word) {
    rest = TrimmedLeft(rest);
    if (!rest.starts_with(word)) return false;
    rest.remove_prefix(word.size());
    return true;
}

[[noreturn]] void FailAt(int line, const std::string& what) { Fail("line " + std::to_string(line) + ": " + what); }

std::string KindWord(ListKind kind, std::size_t count) {
    std::string word = kind == ListKind::kTriggers ? "trigger" : kind == ListKind::kConditions ? "condition" : "action";
    return count == 1 ? word : word + "s";
}

// What a number of the text's commands names among the triggers.
struct TriggerEntry {
    int line = 0;
    int copied = -1;    // the place among the text's triggers, or
    std::string label;  // the label of a trigger of the mission, or
    bool none = false;  // no trigger: a reference outside the list
};

// The lines of the text with their numbers; a line holds no line break.
struct Line {
    int number;
    std::string_view text;
};

std::vector<Line> LinesOf(std::string_view text) {
    std::vector<Line> lines;
    int number = 1;
    for (std::size_t start = 0; start <= text.size(); ++number) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back({number, line});
        start = end + 1;
    }
    return lines;
}

// Takes the commands out of the list, in order.
void TakeAll(CommandSeq& list, std::vector<std::unique_ptr<Command>>& into) {
    std::size_t first = into.size();
    while (!list.empty()) into.push_back(list.Unlink(list.count() - 1));
    std::reverse(into.begin() + static_cast<std::ptrdiff_t>(first), into.end());
}

}  // namespace

std::string ScriptTextOf(Scenario& scenario, ListKind kind, const std::vector<const Command*>& commands,
                         const std::vector<int>& positions) {
    const bool triggers = kind == ListKind::kTriggers;
    ScriptOutput out;
    PageTable pages;
    // One walk finds the pages the text holds and the triggers it names.
    std::vector<std::int32_t> named;
    if (triggers) named.assign(positions.begin(), positions.end());
    for (const Command* command : commands)
        ForEachCall(*command, [&](const TermCommand& call) {
            if (IsPageCall(call) && !(call.page && call.page->missing)) ++out.missingPagesFrom;
            for (int i = 0; i < call.argCount; ++i)
                if (IsTriggerArgument(call, i)) named.push_back(call.args[static_cast<std::size_t>(i)]);
        });
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    {
        // The page calls number the pages of the text from 0.
        LentPageTable lent(pages);
        for (std::size_t k = 0; k < commands.size(); ++k) {
            if (!positions.empty()) out.triggerIndex = positions[std::min(k, positions.size() - 1)];
            if (triggers) {
                commands[k]->WriteScript(scenario, out);
                out.text += kRule + "\n";
            } else if (kind == ListKind::kConditions) {
                if (k > 0) out.text += " AND ";
                commands[k]->WriteScript(scenario, out);
            } else {
                out.text += "\t";
                commands[k]->WriteScript(scenario, out);
                out.text += k + 1 < commands.size() ? ", \n" : " \n";
            }
        }
        if (kind == ListKind::kConditions) out.text += "\n";
    }

    std::string text = std::string(kHeader) + " " + std::to_string(commands.size()) + " " +
                       KindWord(kind, commands.size());
    std::unordered_map<const Command*, int> copied;
    if (triggers)
        for (std::size_t k = 0; k < commands.size(); ++k) {
            copied.emplace(commands[k], static_cast<int>(k));
            text += ' ';
            text += Quoted(commands[k]->text);
        }
    text += "\n";
    for (std::int32_t number : named) {
        text += "% trigger " + std::to_string(number) + " = ";
        if (number < 0 || number >= scenario.triggers.count()) {
            text += "none\n";
            continue;
        }
        const Command& trigger = scenario.triggers.At(number);
        auto found = copied.find(&trigger);
        if (found != copied.end())
            text += '#' + std::to_string(found->second + 1);
        else
            text += Quoted(trigger.text);
        text += '\n';
    }
    for (int i = 0; i < pages.size(); ++i) {
        const PageRecord& page = pages.At(i);
        text += "% page " + std::to_string(i) + " = " + page.picture + " " + std::to_string(page.number) + " " +
                WithoutBreaks(page.body) + "\n";
    }
    for (int i = 0; i < out.missingPagesWritten; ++i)
        text += "% page " + std::to_string(out.missingPagesFrom + i) + " = missing\n";
    text.reserve(text.size() + out.text.size());
    text += out.text;
    return text;
}

CommandsOfText ReadScriptText(Scenario& scenario, std::string_view text, int newTrigger) {
    std::vector<Line> lines = LinesOf(text);
    auto first = std::find_if(lines.begin(), lines.end(), [](const Line& line) { return !TrimmedLeft(line.text).empty(); });
    if (first == lines.end() || !first->text.starts_with(kHeader))
        FailAt(first == lines.end() ? 1 : first->number,
               "the text does not begin with \"" + std::string(kHeader) +
                   "\", so it holds no triggers or commands to paste.");

    // The first line: how many of what, and the triggers' labels.
    CommandsOfText read;
    std::string_view rest = first->text.substr(kHeader.size());
    std::int64_t count = 0;
    bool said = ReadNumber(rest, count) && count > 0;
    std::vector<std::string> labels;
    if (said) {
        rest = TrimmedLeft(rest);
        for (ListKind kind : {ListKind::kTriggers, ListKind::kConditions, ListKind::kActions})
            if (ReadWord(rest, KindWord(kind, static_cast<std::size_t>(count)))) read.kind = kind;
        for (std::string label; read.kind == ListKind::kTriggers && ReadQuoted(rest, label);) labels.push_back(label);
        said = read.kind != ListKind::kNone && TrimmedLeft(rest).empty() &&
               (read.kind != ListKind::kTriggers || static_cast<std::int64_t>(labels.size()) == count);
    }
    if (!said)
        FailAt(first->number, "the first line does not say how many triggers (with their labels), conditions or "
                              "actions the text holds.");

    // The comment lines that name triggers and pages; every comment line
    // is blanked for the script reader, keeping the line numbers.
    std::map<std::int64_t, TriggerEntry> triggers;
    std::map<std::int64_t, PageRecord> pageLines;
    std::string script(text);
    for (const Line& line : lines) {
        if (!line.text.starts_with('%')) continue;
        std::size_t offset = static_cast<std::size_t>(line.text.data() - text.data());
        std::fill(script.begin() + static_cast<std::ptrdiff_t>(offset),
                  script.begin() + static_cast<std::ptrdiff_t>(offset + line.text.size()), ' ');
        std::string_view entry = line.text.substr(1);
        std::int64_t number = 0;
        if (ReadWord(entry, "trigger ")) {
            TriggerEntry target;
            target.line = line.number;
            bool good = ReadNumber(entry, number) && ReadWord(entry, "=");
            std::int64_t copy = 0;
            if (good && ReadWord(entry, "#"))
                good = ReadNumber(entry, copy) && copy >= 1 && copy <= static_cast<std::int64_t>(labels.size());
            else if (good && ReadWord(entry, "none"))
                target.none = true;
            else
                good = good && ReadQuoted(entry, target.label);
            if (!good || !TrimmedLeft(entry).empty())
                FailAt(line.number, "a line that names a trigger reads % trigger NUMBER = \"LABEL\" (or #N for the "
                                    "N-th trigger of the text).");
            target.copied = static_cast<int>(copy) - 1;
            triggers[number] = target;
        } else if (ReadWord(entry, "page ")) {
            PageRecord page;
            std::int64_t pictureNumber = 0;
            bool good = ReadNumber(entry, number) && number >= 0 && number < 65536 && ReadWord(entry, "=");
            entry = TrimmedLeft(entry);
            if (good && entry == "missing") {
                page.missing = true;
            } else if (good) {
                std::size_t blank = entry.find(' ');
                page.picture = std::string(entry.substr(0, blank));
                entry = blank == std::string_view::npos ? std::string_view() : entry.substr(blank);
                good = !page.picture.empty() && ReadNumber(entry, pictureNumber) &&
                       pictureNumber >= INT32_MIN && pictureNumber <= INT32_MAX;
                page.number = static_cast<std::int32_t>(pictureNumber);
                page.body = std::string(entry.substr(entry.empty() ? 0 : 1));
            }
            if (!good)
                FailAt(line.number, "a line that holds a page reads % page NUMBER = PICTURE.gp PICTURENUMBER TEXT.");
            pageLines[number] = page;
        }
    }
    PageTable pages;
    if (!pageLines.empty()) {
        // A number the lines skip is a page the text does not hold.
        PageRecord absent;
        absent.missing = true;
        for (std::int64_t i = 0; i <= pageLines.rbegin()->first; ++i) {
            auto found = pageLines.find(i);
            pages.Append(found == pageLines.end() ? absent : found->second);
        }
    }

    // Conditions and actions are read as a trigger's; the words put before
    // them stand on the first line, so the line numbers stay the text's.
    std::string wrapped = read.kind == ListKind::kTriggers     ? std::move(script)
                          : read.kind == ListKind::kConditions ? "CONDITION " + script + "\nACTION \n"
                                                               : "CONDITION ALWAYS ACTION " + script;
    if (read.kind == ListKind::kActions && wrapped.find('\n') == std::string::npos) wrapped += "\n";
    CommandSeq parsed;
    ParseScriptText(scenario, wrapped, pages, parsed);
    const int triggersRead = parsed.count();
    if (read.kind == ListKind::kTriggers) {
        TakeAll(parsed, read.commands);
    } else if (parsed.count() == 1) {
        auto& trigger = dynamic_cast<CommandBlock&>(parsed.At(0));
        CommandSeq& list = read.kind == ListKind::kConditions ? trigger.conditions.list : trigger.actions;
        TakeAll(list, read.commands);
    }
    const bool triggersForCommands = read.kind != ListKind::kTriggers && triggersRead != 1;
    if (static_cast<std::int64_t>(read.commands.size()) != count || triggersForCommands)
        FailAt(first->number, "the first line says " + std::to_string(count) + " " +
                                  KindWord(read.kind, static_cast<std::size_t>(count)) + ", but the text holds " +
                                  (triggersForCommands ? "triggers" : std::to_string(read.commands.size())) +
                                  ".");
    for (std::size_t k = 0; k < labels.size() && k < read.commands.size(); ++k) read.commands[k]->text = labels[k];

    // The numbers that name triggers, bound to the mission after the paste.
    const bool asTriggers = read.kind == ListKind::kTriggers && newTrigger >= 0;
    const auto pasted = asTriggers ? static_cast<std::int32_t>(read.commands.size()) : 0;
    const TriggerLabels mission(scenario);
    for (auto& command : read.commands)
        ForEachCall(*command, [&](TermCommand& call) {
            for (int i = 0; i < call.argCount; ++i) {
                if (!IsTriggerArgument(call, i)) continue;
                std::int32_t& value = call.args[static_cast<std::size_t>(i)];
                auto found = triggers.find(value);
                if (found == triggers.end())
                    FailAt(first->number, call.function->name + " names trigger " + std::to_string(value) +
                                              ", which no line \"% trigger " + std::to_string(value) +
                                              " = ...\" names.");
                const TriggerEntry& entry = found->second;
                if (entry.none) {
                    value = -1;
                } else if (entry.copied >= 0 && asTriggers) {
                    value = newTrigger + entry.copied;
                } else {
                    const std::string& label = entry.copied >= 0 ? labels[static_cast<std::size_t>(entry.copied)]
                                                                 : entry.label;
                    int position = mission.Find(label);
                    if (position == TriggerLabels::kNone)
                        FailAt(entry.line, "this mission has no trigger \"" + label + "\".");
                    if (position == TriggerLabels::kSeveral)
                        FailAt(entry.line, "more than one trigger of this mission bears the label \"" + label + "\".");
                    value = asTriggers && position >= newTrigger ? position + pasted : position;
                }
            }
        });
    return read;
}

}  // namespace sced

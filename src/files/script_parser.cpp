#include "files/script_parser.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/text_reader.h"
#include "core/warning.h"
#include "declarations/function_template.h"
#include "model/argument_text.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "model/written_names.h"

namespace sced {

namespace {

constexpr std::size_t kStringBufferSize = 0x40000;
constexpr int kMaxIfDepth = 64;
constexpr std::size_t npos = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsIdentifierChar(char c) {
    auto u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || u >= 0xC0;
}

bool IsDecimal(std::string_view text) {
    std::size_t digits = text.starts_with('-') ? 1 : 0;
    return text.size() > digits &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits), text.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Whether the text is a decimal number that fits, so that it is read as written.
bool IsWholeNumber(std::string_view text) {
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

// One argument as written: a number, or a name still to be resolved
// against the group of the declared argument.
struct RawArg {
    enum Kind { kNumber, kName, kQuoted } kind = kNumber;
    std::int32_t value = 0;
    std::string name;
};

struct RawCall {
    std::string name;
    std::uint8_t form = FormCall;
    std::vector<RawArg> args;
    std::string unresolved;  // set by the special calls when a name names nothing
    bool isUnresolved = false;
};

class ScriptParser {
public:
    // Reads the text into the triggers with the pages. A strict reading
    // (of text that is to join the mission) takes nothing but what the text
    // says: the first name the mission lacks, function it does not declare
    // or statement read otherwise than written raises, and the error says
    // on which line.
    ScriptParser(Scenario& scenario, std::string_view text, CommandSeq& triggers, const PageTable& pages, bool strict)
        : scenario_(scenario),
          text_(text),
          triggers_(triggers),
          pages_(pages),
          strict_(strict),
          zones_(scenario.objectGroups.GetGroup("zones")),
          mapGroups_(scenario.objectGroups.GetGroup("groups")),
          dynGroups_(scenario.objectGroups.GetGroup("dyngroups")) {
        for (const Template& function : scenario.functions) declared_[function.name].push_back(&function);
    }

    void Parse() {
        std::vector<TextSection> sections = SplitSections(text_);
        const TextSection* script = nullptr;
        for (const TextSection& section : sections)
            if (section.header == "#SCRIPT" && !script) script = &section;
        if (!script || !script->ended) {
            scenario_.scriptUnread = true;
            Warn(false, "The mission script has no #SCRIPT block; the mission opens without triggers.");
            return;
        }
        ObjectGroups& groups = scenario_.objectGroups;
        Rename(sections, "#DYNGROUPS", dynGroups_);
        Rename(sections, "#SWITCHES", groups.GetGroup("switches"));
        Rename(sections, "#TIMERS", groups.GetGroup("timers"));
        Rename(sections, "#PLAYERS", groups.GetGroup("players"));
        std::size_t begin = static_cast<std::size_t>(script->body.data() - text_.data());
        ParseTriggers(begin, begin + script->body.size());
        ReadLabels(sections);
        for (std::size_t i = 0; i < scenario_.leftOut.size(); ++i)
            scenario_.leftOut[i].trigger = triggers_.At(leftOutTriggers_[i]).text;
        for (const auto& [trigger, change] : changes_)
            scenario_.readingChanges.push_back("Trigger \"" + ReadableName(triggers_.At(trigger).text) +
                                               "\": " + change);
        if (!scenario_.leftOut.empty())
            Warn(false, std::to_string(scenario_.leftOut.size()) +
                            " commands of the mission script name things that no longer exist and were left "
                            "out; saving the mission now would lose them.");
        if (keptLost_ > 0)
            Warn(false, std::to_string(keptLost_) +
                            " commands of the mission script name zones or groups that the map does not have. They "
                            "keep those names, are drawn in the warning colour and are listed by Check, until the map "
                            "has the names again or other ones are chosen.");
        if (!changes_.empty())
            Warn(false, std::to_string(changes_.size()) +
                            " statements of the mission script are read otherwise than they are written "
                            "(check lists them); saving the mission writes them as read.");
    }

    // The triggers of the whole text, read strictly.
    void ParseStrictly() {
        try {
            ParseTriggers(0, text_.size());
        } catch (const ScenarioError& error) {
            Fail("line " + std::to_string(LineAt(at_)) + ": " + error.what());
        }
    }

private:
    // ---- name sections ----

    static std::vector<std::string> SectionNames(const std::vector<TextSection>& sections, std::string_view header) {
        auto body = FindSectionBody(sections, header);
        return body ? NameLines(*body) : std::vector<std::string>();
    }

    static void Rename(const std::vector<TextSection>& sections, std::string_view header, StringList& items) {
        std::vector<std::string> lines = SectionNames(sections, header);
        for (int k = 0; k < items.count() && k < static_cast<int>(lines.size()); ++k) items[k] = lines[k];
    }

    void ReadLabels(const std::vector<TextSection>& sections) {
        std::vector<std::string> lines = SectionNames(sections, "#TRIGGERS");
        for (int k = 0; k < triggers_.count(); ++k) {
            // A trigger the section does not name gets a name, so that the
            // labels written next time stay in their places.
            triggers_.At(k).text = k < static_cast<int>(lines.size())
                                                ? lines[static_cast<std::size_t>(k)]
                                                : DefaultTriggerLabel(k);
        }
    }

    // ---- triggers ----

    // "ACTION" as the writer ends the conditions: blanks and a line break after it.
    std::size_t FindActionKeyword(std::size_t from, std::size_t to) const {
        std::string_view bounded = text_.substr(0, std::min(to, text_.size()));
        for (std::size_t at = bounded.find("ACTION", from); at != npos; at = bounded.find("ACTION", at + 1)) {
            std::size_t i = at + 6;
            while (i < text_.size() && (text_[i] == ' ' || text_[i] == '\t')) ++i;
            if (i >= text_.size() || text_[i] == '\r' || text_[i] == '\n') return at;
        }
        return npos;
    }

    void ParseTriggers(std::size_t begin, std::size_t end) {
        std::size_t p = begin;
        while (p < end) {
            std::size_t c = FindAtLineStart(text_, "CONDITION", p, end);
            if (c == npos) break;
            at_ = c;
            p = c + 9;
            std::size_t next = FindAtLineStart(text_, "CONDITION", p, end);
            if (next == npos) next = end;
            std::size_t action = FindActionKeyword(p, next);
            Check(action != npos, "Script parsing error - action block not found.");
            at_ = action;
            std::size_t times = FindAtLineStart(text_, "TIMES", p, action);
            std::size_t label = FindAtLineStart(text_, "BLOCKLABEL", p, action);
            auto trigger = std::make_unique<CommandBlock>();
            trigger_ = triggers_.count();
            ParseConditions(trigger->conditions, p, std::min({times, label, action}), " \t");
            trigger->times = -1;
            if (times != npos) trigger->times = ReadTimes(times + 5, action);
            std::size_t q = action + 6;
            q += SkipBlanks(Region(q, next));
            FindBrackets(q, next);
            if (q < next) ParseActions(trigger->actions, q, next);
            triggers_.Append(std::move(trigger));
            p = next;
        }
    }

    // The repeat count after "TIMES"; a count that is not a whole number is
    // read as the number it begins with, 0 when none, and noted.
    std::int32_t ReadTimes(std::size_t p, std::size_t end) {
        p = Skip(p, end);
        std::string token;
        std::size_t length = ReadIntegerToken(Region(p, end), token);
        std::int32_t value = ParseInteger(token);
        if (!IsWholeNumber(token) || Skip(p + length, end) < end) {
            std::string_view written = Region(p, end);
            written = written.substr(0, written.find_first_of("\r\n"));
            NoteChange("the repeat count \"" + ReadableName(written) + "\" is read as " + std::to_string(value) + ".");
        }
        return value;
    }

    void NoteChange(std::string change) {
        if (strict_) Fail(change);
        changes_.emplace_back(trigger_, std::move(change));
    }

    int LineAt(std::size_t at) const {
        std::string_view before = text_.substr(0, std::min(at, text_.size()));
        return 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    }

    std::string_view Region(std::size_t from, std::size_t to) const {
        to = std::min(to, text_.size());
        return from < to ? text_.substr(from, to - from) : std::string_view();
    }
    bool StartsWith(std::size_t at, std::size_t end, std::string_view word) const {
        return Region(at, end).starts_with(word);
    }
    // The keyword, not followed by a letter or digit of a longer word.
    bool StartsWithWord(std::size_t at, std::size_t end, std::string_view word) const {
        std::string_view rest = Region(at, end);
        return rest.starts_with(word) && (rest.size() == word.size() || !IsIdentifierChar(rest[word.size()]));
    }
    std::size_t Skip(std::size_t at, std::size_t end) const { return at + SkipBlanks(Region(at, end)); }
    char At(std::size_t at, std::size_t end) const { return at < std::min(end, text_.size()) ? text_[at] : '\0'; }

    // ---- conditions ----

    // After the writer's separator, " ALWAYS" is the empty list; "ALWAYS"
    // without the blank is a call of "Always".
    bool IsEmptyList(std::size_t p, std::size_t end, std::string_view separator) const {
        if (StartsWith(p, end, separator)) return StartsWithWord(p + separator.size(), end, " ALWAYS");
        std::size_t q = Skip(p, end);
        return q >= end || StartsWithWord(q, end, "ALWAYS");
    }

    void ParseConditions(ConditionList& conditions, std::size_t p, std::size_t end, std::string_view separator) {
        if (IsEmptyList(p, end, separator) || Skip(p, end) >= end) return;
        while (true) {
            p = Skip(p, end);
            if (p >= end) break;
            if (StartsWithWord(p, end, "AND")) p = Skip(p + 3, end);
            while (At(p, end) == '(' || At(p, end) == ')') p = Skip(p + 1, end);
            if (p >= end) break;
            at_ = p;
            RawCall call;
            if (At(p, end) == '!') {
                call.form = FormNot;
                ++p;
            }
            std::string identifier;
            std::size_t length = ReadIdentifier(Region(p, end), identifier);
            Check(length > 0, "Scenario::ParseStatement - incorrect funcID.");
            bool variable = identifier.size() > 3 && identifier.starts_with("Var") && identifier[3] >= '0' &&
                            identifier[3] <= '9';
            if (variable) {
                call.name = "VarValue";
                p += 3;
                p = ParseFunArg(call, p, end);
            } else {
                call.name = identifier == "ALWAYS" ? "Always" : identifier;
                p += length;
            }
            p = Skip(p, end);
            if (At(p, end) == '(') p = ParseArguments(call, p + 1, end);
            p = Skip(p, end);
            if (IsOperatorStart(p, end)) {
                p = ParseFunArg(call, p, end);
                p = ParseFunArg(call, p, end);
            }
            // A question is written as a page call; inside conditions it stays a question.
            if (call.name == "ShowPageEx" && HasFunction("AskQuestionEx")) call.name = "AskQuestionEx";
            if (auto command = Resolve(call, true)) conditions.list.Append(std::move(command));
        }
    }

    bool IsOperatorStart(std::size_t p, std::size_t end) const {
        char c = At(p, end);
        return c == '=' || c == '<' || c == '>' || StartsWith(p, end, "!=");
    }

    // Arguments up to the closing ")", which is passed.
    std::size_t ParseArguments(RawCall& call, std::size_t p, std::size_t end) {
        p = Skip(p, end);
        while (At(p, end) != ')') p = ParseFunArg(call, p, end);
        return p + 1;
    }

    std::size_t ParseFunArg(RawCall& call, std::size_t p, std::size_t end) {
        p = Skip(p, end);
        std::string_view rest = Region(p, end);
        RawArg arg;
        std::string token;
        if (!rest.empty() && rest[0] == '"') {
            std::size_t close = rest.find('"', 1);
            std::size_t length = (close == npos ? rest.size() : close) - 1;
            Check(length < kStringBufferSize, "String buffer overflow");
            Check(close != npos, "Incorrect string value.");
            arg.kind = RawArg::kQuoted;
            arg.name = rest.substr(1, length);
            p = Skip(p + close + 1, end);
        } else if (std::size_t length = ReadIntegerToken(rest, token); length > 0) {
            arg.value = ParseInteger(token);
            p = Skip(p + length, end);
        } else if (IsOperatorStart(p, end)) {
            std::size_t length = rest.find_first_not_of("!=<>");
            std::string_view op = rest.substr(0, length);
            arg.value = op == "!=" ? 1 : op.starts_with('>') ? 2 : op.starts_with('<') ? 3 : 0;
            static constexpr std::string_view kOperators[] = {"==", "!=", ">", "<"};
            if (op != kOperators[arg.value])
                NoteChange("the comparison " + std::string(op) + " is read as " +
                           std::string(kOperators[arg.value]) + ".");
            call.form = FormCompare;
            p = Skip(p + op.size(), end);
        } else if (!rest.empty() && rest[0] == '\'') {
            Check(rest.size() >= 3, "Scenario::ParseFunArg  - Incorrect argument representation in " +
                                        std::string(rest.substr(0, 40)));
            int letter = static_cast<unsigned char>(rest[1]) - 'A';
            // Each objective has two letters: objective k is written as "A" + 2k.
            bool objective = call.name == "EnableMission" || call.name == "DisableMission";
            arg.value = objective ? (letter >= 0 ? letter / 2 : -1) : letter;
            p = Skip(p + 3, end);
        } else {
            std::size_t length = ReadArgText(rest, arg.name);
            Check(!arg.name.empty(), "Scenario::ParseFunArg  - Incorrect argument representation in " +
                                         std::string(rest.substr(0, 40)));
            arg.kind = RawArg::kName;
            p = Skip(p + length, end);
        }
        call.args.push_back(std::move(arg));
        Check(call.args.size() <= kMaxArgValues, "TermCommand::AddArg - Can't add extra argument to command.");
        if (At(p, end) == ',') ++p;
        return p;
    }

    // ---- actions ----

    // The structural brackets of a trigger's actions, found in one pass:
    // "[" and "]" outside the parentheses of a call (names stand inside
    // them, and a call stays on its line) and outside comments, each "["
    // with the "]" that closes it, in text order.
    void FindBrackets(std::size_t begin, std::size_t end) {
        brackets_.clear();
        std::vector<std::size_t> open;
        int depth = 0;
        for (std::size_t i = begin; i < end && i < text_.size(); ++i) {
            char c = text_[i];
            if (c == '\r' || c == '\n') {
                depth = 0;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                depth = std::max(depth - 1, 0);
            } else if (depth == 0 && c == '%') {
                while (i + 1 < end && text_[i + 1] != '\r' && text_[i + 1] != '\n') ++i;
            } else if (depth == 0 && c == '[') {
                open.push_back(brackets_.size());
                brackets_.push_back({i, npos});
            } else if (depth == 0 && c == ']' && !open.empty()) {
                brackets_[open.back()].close = i;
                open.pop_back();
            }
        }
    }

    // The first "[" at or after from and before end.
    std::size_t FindOpen(std::size_t from, std::size_t end) const {
        auto found = std::lower_bound(brackets_.begin(), brackets_.end(), from,
                                      [](const Bracket& bracket, std::size_t at) { return bracket.open < at; });
        return found != brackets_.end() && found->open < end ? found->open : npos;
    }

    // The "]" that closes the "[" at open; npos when there is none.
    std::size_t FindClose(std::size_t open) const {
        auto found = std::lower_bound(brackets_.begin(), brackets_.end(), open,
                                      [](const Bracket& bracket, std::size_t at) { return bracket.open < at; });
        return found != brackets_.end() && found->open == open ? found->close : npos;
    }

    void ParseActions(CommandSeq& actions, std::size_t p, std::size_t end) {
        while (p < end) {
            p = Skip(p, end);
            if (p >= end) break;
            at_ = p;
            if (StartsWith(p, end, "IF") && IsBlank(At(p + 2, end))) {
                p = ParseIf(actions, p + 2, end);
                continue;
            }
            p = ParseCall(actions, p, end);
        }
    }

    std::size_t ParseIf(CommandSeq& actions, std::size_t p, std::size_t end) {
        // No mission nests IF blocks this deep; a script that does is damaged.
        Check(ifDepth_ < kMaxIfDepth, "Script parsing error - IF blocks are nested too deeply.");
        struct Nesting {
            int& depth;
            explicit Nesting(int& d) : depth(++d) {}
            ~Nesting() { --depth; }
        } nesting(ifDepth_);
        auto ifBlock = std::make_unique<IfBlock>();
        std::size_t open = FindOpen(p, end);
        Check(open != npos, "Script parsing error - incorrect IF, no open bracket.");
        ParseConditions(ifBlock->conditions, p, open, " ");
        std::size_t close = FindClose(open);
        Check(close != npos, "Script parsing error - incorrect IF, no enclosing bracket.");
        ParseActions(ifBlock->thenCommands, open + 1, close);
        p = Skip(close + 1, end);
        if (StartsWith(p, end, "ELSE")) {
            p = Skip(p + 4, end);
            Check(At(p, end) == '[', "Script parsing error - ELSE: no [.");
            std::size_t elseClose = FindClose(p);
            Check(elseClose != npos, "Script parsing error - ELSE: no ].");
            ParseActions(ifBlock->elseCommands, p + 1, elseClose);
            p = elseClose + 1;
        }
        p = Skip(p, end);
        if (At(p, end) == ',') ++p;
        actions.Append(std::move(ifBlock));
        return p;
    }

    std::size_t ParseCall(CommandSeq& actions, std::size_t p, std::size_t end) {
        RawCall call;
        std::string identifier;
        std::size_t length = ReadIdentifier(Region(p, end), identifier);
        Check(length > 0, "Script parsing error - no expected function ID.");
        p = Skip(p + length, end);
        if (At(p, end) == '=') {
            call.form = FormAssign;
            std::string_view number = std::string_view(identifier).substr(std::min<std::size_t>(3, identifier.size()));
            std::int32_t variable = ParseInteger(number);
            if (!identifier.starts_with("Var") || !IsWholeNumber(number))
                NoteChange("the assignment to " + identifier + " is read as Var" + std::to_string(variable) + ".");
            call.args.push_back(RawArg{RawArg::kNumber, variable, {}});
            p = Skip(p + 1, end);
            length = ReadIdentifier(Region(p, end), identifier);
            Check(length > 0, "Script parsing error - no expected function ID.");
            p += length;
        }
        call.name = identifier;
        CheckJoined(At(p, end) == '(', call.name, " : script command is not recognized.");
        ++p;
        if (call.name == "InitialUpgradeEx" || call.name == "DisableUpgrade")
            p = ParseUpgradeCommand(call, p, end);
        else if (call.name == "CreateObject0")
            p = ParseCreateObject(call, p, end);
        else if (call.name == "EnableUnit")
            p = ParseUnitCommand(call, p, end);
        else
            p = ParseArguments(call, p, end);
        p = Skip(p, end);
        if (auto command = Resolve(call, false)) actions.Append(std::move(command));
        if (At(p, end) == ',') ++p;
        return p;
    }

    std::size_t SkipSeparatorAt(std::size_t p, std::size_t end) const { return p + SkipSeparator(Region(p, end)); }

    std::size_t ExpectClose(std::size_t p, std::size_t end, const char* operation) const {
        p = Skip(p, end);
        Check(At(p, end) == ')', std::string("Scenario::") + operation + " - Incorrect arguments number");
        return p + 1;
    }

    std::size_t ParseCreateObject(RawCall& call, std::size_t p, std::size_t end) {
        p = Skip(p, end);
        std::string dynGroup;
        p += ReadArgText(Region(p, end), dynGroup);
        int dynamic = dynGroups_.IndexOf(dynGroup);
        Check(dynamic >= 0, "Undeclared dynamic group object in CreateObject.");
        p = SkipSeparatorAt(p, end);
        std::string word;
        p += ReadWord(Region(p, end), word);
        int formation = FormationIndex(word.empty() ? std::string() : word.substr(1));
        Check(formation >= 0, "Scenario::ParseCreateObject - Formation type not found.");
        p = SkipSeparatorAt(p, end);
        p += ReadWord(Region(p, end), word);
        std::int32_t unit = UnitValue(word);
        Check(unit >= 0, "Scenario::ParseCreateObject - Unknown unit type");
        p = SkipSeparatorAt(p, end);
        std::string token;
        std::size_t length = ReadIntegerToken(Region(p, end), token);
        Check(length > 0, "Scenario::ParseCreateObject - Incorrect player index.");
        std::int32_t player = ParseInteger(token);
        p = SkipSeparatorAt(p + length, end);
        std::string zoneName;
        p += ReadArgText(Region(p, end), zoneName);
        Check(!zoneName.empty(), "Scenario::ParseCreateObject - Incorrect zone identifier.");
        p = SkipSeparatorAt(p, end);
        length = ReadIntegerToken(Region(p, end), token);
        Check(length > 0, "Scenario::ParseCreateObject - Incorrect direction value.");
        std::int32_t direction = ParseInteger(token);
        for (std::int32_t value : {dynamic, player}) call.args.push_back(RawArg{RawArg::kNumber, value, {}});
        // The zone is resolved with the other names, so one the map lacks is kept by its name.
        call.args.push_back(RawArg{RawArg::kName, 0, std::move(zoneName)});
        for (std::int32_t value : {direction, formation, unit}) call.args.push_back(RawArg{RawArg::kNumber, value, {}});
        return ExpectClose(p + length, end, "ParseCreateObject");
    }

    std::size_t ParseUnitCommand(RawCall& call, std::size_t p, std::size_t end) {
        p = ParseFunArg(call, p, end);
        p = Skip(p, end);
        std::string word;
        p += ReadWord(Region(p, end), word);
        Check(!word.empty(), "Scenario::ParseUnitCommand - Incorrect upgrade ID.");
        std::int32_t unit = UnitValue(word);
        Check(unit >= 0, "Scenario::ParseUnitCommand - Unknown unit type");
        call.args.push_back(RawArg{RawArg::kNumber, unit, {}});
        p = ParseFunArg(call, SkipSeparatorAt(p, end), end);
        return ExpectClose(p, end, "ParseUnitCommand");
    }

    std::size_t ParseUpgradeCommand(RawCall& call, std::size_t p, std::size_t end) {
        p = ParseFunArg(call, p, end);
        p = Skip(p, end);
        std::string word;
        p += ReadWord(Region(p, end), word);
        Check(!word.empty(), "Scenario::ParseUpgradeCommand - Incorrect upgrade ID.");
        std::string id = StripQuotes(word);
        std::string packed = scenario_.lists.FindUpgrade(id);
        if (packed.empty()) MarkUnresolved(call, id);
        call.args.push_back(RawArg{RawArg::kNumber, packed.empty() ? -1 : ParseInteger(packed), {}});
        return ExpectClose(p, end, "ParseUpgradeCommand");
    }

    static void MarkUnresolved(RawCall& call, const std::string& name) {
        if (!call.isUnresolved) call.unresolved = name;
        call.isUnresolved = true;
    }

    // ---- names and functions ----

    int FormationIndex(const std::string& name) const {
        const auto& formations = scenario_.lists.formations;
        for (std::size_t i = 0; i < formations.size(); ++i)
            if (formations[i].name == name) return static_cast<int>(i);
        return -1;
    }

    // The packed value of the unit whose script name is the text, -1 when none.
    std::int32_t UnitValue(std::string_view text) const {
        // "id(code)": split once, then compare the parts without building names.
        std::size_t open = text.find('(');
        if (open == npos || !text.ends_with(')')) return -1;
        std::string_view id = text.substr(0, open);
        std::string_view code = text.substr(open + 1, text.size() - open - 2);
        const auto& categories = scenario_.lists.unitCategories;
        for (std::size_t c = 0; c < categories.size() && c < 256; ++c) {
            if (categories[c].code != code) continue;
            for (std::size_t u = 0; u < categories[c].units.size() && u < 256; ++u)
                if (categories[c].units[u].id == id) return static_cast<std::int32_t>(c | u << 8);
        }
        return -1;
    }

    // Any object the scenario knows by that name, first match wins.
    std::int32_t LookupObjectName(const std::string& name) const {
        if (int zone = zones_.IndexOf(name); zone >= 0) return zone;
        if (int dynamic = dynGroups_.IndexOf(name); dynamic >= 0) return mapGroups_.count() + dynamic;
        if (int group = mapGroups_.IndexOf(name); group >= 0) return group;
        return UnitValue(name);
    }

    // The name looked up in the declared argument's own group.
    std::int32_t ResolveName(const Template& function, std::size_t slot, const RawArg& arg) const {
        const std::string& group = function.argGroup[slot];
        std::int32_t value = -1;
        if (function.argKind[slot] == KindGroup && group == "zones") {
            value = zones_.IndexOf(arg.name);
        } else if (function.argKind[slot] == KindGroup && group == "groups") {
            value = mapGroups_.IndexOf(arg.name);
            if (value < 0) {
                int dynamic = dynGroups_.IndexOf(arg.name);
                if (dynamic >= 0) value = mapGroups_.count() + dynamic;
            }
        } else if (function.argKind[slot] == KindGroup && group == "dyngroups") {
            value = dynGroups_.IndexOf(arg.name);
        } else if (function.argKind[slot] != KindGroup && group == "unittypes") {
            value = UnitValue(arg.name);
        } else {
            value = LookupObjectName(arg.name);
        }
        // A quoted number that names nothing is the number.
        if (value < 0 && arg.kind == RawArg::kQuoted && IsDecimal(arg.name)) value = ParseInteger(arg.name);
        return value;
    }

    bool HasFunction(const std::string& name) const { return declared_.count(name) > 0; }

    void LeaveOut(const RawCall& call, const std::string& name) {
        if (strict_)
            Fail(name.empty() ? call.name + ": this game declares no such function with these arguments."
                              : call.name + ": this mission has nothing named \"" + name + "\".");
        scenario_.leftOut.push_back(LeftOutCommand{{}, call.name, name});
        leftOutTriggers_.push_back(trigger_);
    }

    // Whether a name that names nothing may stand in the argument all the
    // same: a zone or map group that the map lacks is kept by its name, as
    // a re-read of the map keeps it.
    static bool KeepsLostName(const Template& function, std::size_t slot) {
        const std::string& group = function.argGroup[slot];
        return function.argKind[slot] == KindGroup && (group == "zones" || group == "groups");
    }

    // The command bound to the first declaration that fits the call, else
    // to the first that fits but for zones or map groups the map lacks (the
    // command keeps them by name); nothing when it is left out. An action
    // that fits no declaration stops the reading.
    std::unique_ptr<TermCommand> Resolve(const RawCall& call, bool condition) {
        if (call.isUnresolved) {
            LeaveOut(call, call.unresolved);
            return nullptr;
        }
        std::string failedName;
        bool declared = false;
        const Template* keeping = nullptr;
        std::vector<std::int32_t> kept;
        auto candidates = declared_.find(call.name);
        static const std::vector<const Template*> kNone;
        for (const Template* candidate : candidates == declared_.end() ? kNone : candidates->second) {
            const Template& function = *candidate;
            if (function.form != call.form || function.argCount != static_cast<std::int32_t>(call.args.size()))
                continue;
            declared = true;
            std::vector<std::int32_t>& values = values_;
            values.clear();
            bool resolved = true;
            bool onlyLost = true;  // every failure a zone or map group the map lacks
            for (std::size_t i = 0; i < call.args.size() && onlyLost; ++i) {
                const RawArg& arg = call.args[i];
                std::int32_t value = arg.kind == RawArg::kNumber ? arg.value : ResolveName(function, i, arg);
                if (value < 0 && arg.kind != RawArg::kNumber) {
                    if (failedName.empty()) failedName = arg.name;
                    resolved = false;
                    onlyLost = KeepsLostName(function, i);
                }
                if (function.argKind[i] == KindConst && function.argConst[i] != value) resolved = onlyLost = false;
                values.push_back(value);
            }
            if (resolved) return Bind(function, call, values);
            if (onlyLost && !keeping) {
                keeping = &function;
                kept = values;
            }
        }
        if (keeping && strict_) Fail(call.name + ": this mission has nothing named \"" + failedName + "\".");
        if (keeping) {
            ++keptLost_;
            return Bind(*keeping, call, kept);
        }
        if (!failedName.empty() || condition) {
            LeaveOut(call, declared ? failedName : std::string());
            return nullptr;
        }
        Fail(call.name + " : script command is not recognized.");
    }

    std::unique_ptr<TermCommand> Bind(const Template& function, const RawCall& call,
                                      const std::vector<std::int32_t>& values) {
        auto command = std::make_unique<TermCommand>();
        command->function = &function;
        command->form = call.form;
        command->argCount = static_cast<std::int32_t>(values.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            bool lost = values[i] < 0 && call.args[i].kind != RawArg::kNumber;
            if (lost)
                command->SetLostArg(static_cast<int>(i), call.args[i].name);
            else
                command->SetArg(scenario_, static_cast<int>(i), values[i]);
        }
        if (function.name == "ShowPageEx" || function.name == "AskQuestionEx") {
            command->page = std::make_unique<PageRecord>();
            if (!values.empty() && values[0] >= 0 && values[0] < pages_.size()) {
                *command->page = pages_.At(values[0]);
            } else {
                command->page->missing = true;
                if (strict_)
                    Fail(function.name + " names page " + std::to_string(values.empty() ? 0 : values[0]) +
                         ", which no line \"% page\" of the text holds.");
                NoteChange("the page " + std::to_string(values.empty() ? 0 : values[0]) + " of " + function.name +
                           " is not in the mission's pages file; it stays missing.");
            }
        }
        return command;
    }

    Scenario& scenario_;
    std::string_view text_;
    CommandSeq& triggers_;
    const PageTable& pages_;
    bool strict_;
    std::size_t at_ = 0;  // where the statement being read begins
    StringList& zones_;
    StringList& mapGroups_;
    StringList& dynGroups_;
    std::map<std::string, std::vector<const Template*>, std::less<>> declared_;
    std::vector<std::int32_t> values_;
    int trigger_ = 0;
    int ifDepth_ = 0;
    int keptLost_ = 0;  // commands kept with names the map lacks
    std::vector<int> leftOutTriggers_;  // the trigger of each left-out command
    std::vector<std::pair<int, std::string>> changes_;  // reading changes by trigger
    struct Bracket {
        std::size_t open;
        std::size_t close;
    };
    std::vector<Bracket> brackets_;  // of the trigger being read
};

}  // namespace

void ParseScript(Scenario& scenario) {
    if (!scenario.scriptText) {
        scenario.scriptUnread = true;
        Warn(false, "The mission script cannot be read; the mission opens without triggers.");
        return;
    }
    scenario.triggers.Clear();
    scenario.leftOut.clear();
    scenario.readingChanges.clear();
    std::string_view text = *scenario.scriptText;
    ScriptParser(scenario, text.substr(0, text.find('\0')), scenario.triggers, Pages(), false).Parse();
}

void ParseScriptText(Scenario& scenario, std::string_view text, const PageTable& pages, CommandSeq& into) {
    ScriptParser(scenario, text, into, pages, true).ParseStrictly();
}

}  // namespace sced

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/binary_record.h"
#include "model/page_table.h"

namespace sced {

class Scenario;
class Template;

// Kind tags of the command classes, also the tags of their binary records.
inline constexpr std::int32_t kPlainCommand = 0;
inline constexpr std::int32_t kIfBlockCommand = 1;
inline constexpr std::int32_t kTermCommand = 2;
inline constexpr std::int32_t kBlockCommand = 3;

inline constexpr int kMaxArgValues = 8;

class Command;

// The script text being written, and the position of the trigger being
// written in the root sequence ("PreserveTrigger" names it).
struct ScriptOutput {
    std::string text;
    int triggerIndex = 0;
    // Page calls whose page is missing name the pages after the file's
    // last one: from missingPagesFrom on, in writing order.
    int missingPagesFrom = 0;
    int missingPagesWritten = 0;
    // For comparing missions: a trigger named by a call is written by its
    // label and a page by its picture and text, never by a position, so
    // that a trigger or page put in elsewhere changes no other text.
    bool byName = false;
};

// An ordered list of commands that it owns; positions are 0-based.
class CommandSeq {
public:
    CommandSeq() = default;
    CommandSeq(const CommandSeq&) = delete;
    CommandSeq& operator=(const CommandSeq&) = delete;
    CommandSeq(CommandSeq&&) noexcept = default;
    CommandSeq& operator=(CommandSeq&&) noexcept = default;
    ~CommandSeq();

    int count() const { return static_cast<int>(commands_.size()); }
    bool empty() const { return commands_.empty(); }
    // Callers keep position inside 0..count()-1.
    Command& At(int position) { return *commands_[static_cast<std::size_t>(position)]; }
    const Command& At(int position) const { return *commands_[static_cast<std::size_t>(position)]; }

    Command& Append(std::unique_ptr<Command> command);
    // Position 0..count(); otherwise "Cannot insert element to the list.".
    Command& Insert(int position, std::unique_ptr<Command> command);
    // Deletes the command; "List index when deleting is out of bounds." when
    // there is none at the position.
    void Remove(int position);
    // Takes the command out without deleting it (same error).
    std::unique_ptr<Command> Unlink(int position);
    void Clear();

    // Replaces the commands by clones of the source's.
    void Assign(const CommandSeq& source);
    void UpdateText(Scenario& scenario);

    // Each command after indent tabs, ", \n" after all but the last, " \n"
    // after the last.
    void WriteScript(Scenario& scenario, ScriptOutput& out, int indent) const;
    void WriteToFile(RecordWriter& out) const;
    // Replaces the commands; "CommandSeq::ReadFromFile - Unknown command
    // type" on a tag other than 1, 2 and 3.
    void ReadFromFile(RecordReader& in);

    auto begin() const { return commands_.begin(); }
    auto end() const { return commands_.end(); }

private:
    std::vector<std::unique_ptr<Command>> commands_;
};

// Conditions joined by AND; empty means ALWAYS.
struct ConditionList {
    CommandSeq list;
    std::string text;

    // Runs every condition's UpdateText; the text is their texts joined, or
    // the text of "txtALWAYS" when there is none.
    void UpdateText(Scenario& scenario);
    void Assign(const ConditionList& source);
};

// A node of the command tree.
class Command {
public:
    explicit Command(std::int32_t kindTag) : kind(kindTag) {}
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    virtual void Assign(const Command& source);
    virtual void UpdateText(Scenario& scenario) = 0;
    // An independent copy of the whole subtree.
    virtual std::unique_ptr<Command> Clone() const = 0;
    // Appends the command's script text.
    virtual void WriteScript(Scenario& scenario, ScriptOutput& out) const = 0;
    // After the map is read again: every zone and map group is found again
    // by the name it had; one that is gone is kept by that name (and written
    // with it). Returns the number of calls that name something gone.
    virtual int RebindMapReferences(Scenario& scenario) = 0;
    virtual void WriteToFile(RecordWriter& out) const;
    virtual void ReadFromFile(RecordReader& in);

    std::int32_t kind;
    // A trigger's label; the display text of any other command.
    std::string text;
};

// A call of one declared function.
class TermCommand : public Command {
public:
    TermCommand() : Command(kTermCommand) {}

    // Takes the function's argument count and form, and its constants.
    void Bind(const Template& declared);
    // "TermCommand::AddArg - Can't add extra argument to command." beyond 8.
    void AddArg(std::int32_t value);
    // Sets argument i and records the name of the zone or map group it
    // names, so that the reference survives a re-read of the map. An
    // argument that was lost is mended.
    void SetArg(const Scenario& scenario, int index, std::int32_t value);
    // Argument i names a zone or map group that the map does not have: it
    // holds the name, and no place, until the map has it again or another
    // item is chosen.
    void SetLostArg(int index, std::string name);
    // Takes the kind and a copy of the source's page.
    void AssignPage(const TermCommand& source);

    void UpdateText(Scenario& scenario) override;
    std::unique_ptr<Command> Clone() const override;
    void WriteScript(Scenario& scenario, ScriptOutput& out) const override;
    int RebindMapReferences(Scenario& scenario) override;
    void WriteToFile(RecordWriter& out) const override;
    void ReadFromFile(RecordReader& in) override;

    const Template* function = nullptr;
    std::int32_t argCount = 0;
    std::array<std::int32_t, kMaxArgValues> args{};
    std::array<std::string, kMaxArgValues> argText;
    // Whether the placeholder at the position of the sentence has a value:
    // only a command being built in the chooser has placeholders without.
    bool IsFilled(int placeholder) const { return ((unfilled >> placeholder) & 1u) == 0; }
    void SetFilled(int placeholder) { unfilled &= static_cast<std::uint8_t>(~(1u << placeholder)); }
    void MarkAllFilled() { unfilled = 0; }
    bool AllFilled() const { return unfilled == 0; }

    // Whether argument i names a zone or map group that the map no longer
    // has: it keeps the name it had (argText) until the map has it again.
    bool IsLost(int i) const { return ((lost >> i) & 1u) != 0; }

    std::uint8_t form = 0;
    std::uint8_t lost = 0;      // a bit per argument
    std::uint8_t unfilled = 0;  // a bit per placeholder
    std::unique_ptr<PageRecord> page;
};

// IF conditions THEN commands ELSE commands, among a trigger's actions.
class IfBlock : public Command {
public:
    IfBlock() : Command(kIfBlockCommand) {}

    void Assign(const Command& source) override;
    void UpdateText(Scenario& scenario) override;
    std::unique_ptr<Command> Clone() const override;
    void WriteScript(Scenario& scenario, ScriptOutput& out) const override;
    int RebindMapReferences(Scenario& scenario) override;
    void WriteToFile(RecordWriter& out) const override;
    void ReadFromFile(RecordReader& in) override;

    ConditionList conditions;
    CommandSeq thenCommands;
    CommandSeq elseCommands;
};

// A trigger: conditions, how often it may fire, actions. Its text is its label.
class CommandBlock : public Command {
public:
    CommandBlock() : Command(kBlockCommand) {}

    void UpdateText(Scenario& scenario) override;
    std::unique_ptr<Command> Clone() const override;
    void WriteScript(Scenario& scenario, ScriptOutput& out) const override;
    int RebindMapReferences(Scenario& scenario) override;
    void WriteToFile(RecordWriter& out) const override;
    void ReadFromFile(RecordReader& in) override;

    ConditionList conditions;
    CommandSeq actions;
    std::int32_t times = 1;  // -1: no TIMES line
};

// Calls the function for every call in the command and in its lists.
void ForEachCall(Command& command, const std::function<void(TermCommand&)>& visit);
void ForEachCall(const Command& command, const std::function<void(const TermCommand&)>& visit);

// The calls that name a zone or group the map no longer has, as
// "label: text", in the order of the triggers.
std::vector<std::string> LostMapReferences(const Scenario& scenario);
// Whether the command, or a call inside it, names a zone or group the map
// does not have.
bool HoldsLostCall(const Command& command);

// RebindMapReferences of every command of the sequence.
int RebindMapReferences(Scenario& scenario, CommandSeq& sequence);

// The first declared function with that name whose form and argument count
// are the command's and whose constants equal the command's values there;
// declarations that share a name are told apart so. Null when none.
const Template* MatchDeclaration(const std::vector<Template>& functions, std::string_view name,
                                 const TermCommand& command);

}  // namespace sced

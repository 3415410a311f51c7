#include "model/command_tree.h"

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "declarations/function_template.h"
#include "model/scenario.h"

namespace sced {

namespace {

std::unique_ptr<Command> MakeCommand(std::int32_t kind) {
    switch (kind) {
        case kIfBlockCommand: return std::make_unique<IfBlock>();
        case kTermCommand: return std::make_unique<TermCommand>();
        case kBlockCommand: return std::make_unique<CommandBlock>();
        default: Fail("CommandSeq::ReadFromFile - Unknown command type");
    }
}

void WritePage(RecordWriter& out, const PageRecord* page) {
    out.Byte(page ? 1 : 0);
    if (!page) return;
    out.Int(page->number);
    out.String(page->picture);
    out.String(page->body);
}

std::unique_ptr<PageRecord> ReadPage(RecordReader& in) {
    if (in.Byte() == 0) return nullptr;
    auto page = std::make_unique<PageRecord>();
    page->number = in.Int();
    page->picture = in.String();
    page->body = in.String();
    return page;
}

}  // namespace

// ---- CommandSeq ----

CommandSeq::~CommandSeq() = default;

Command& CommandSeq::Append(std::unique_ptr<Command> command) {
    commands_.push_back(std::move(command));
    return *commands_.back();
}

Command& CommandSeq::Insert(int position, std::unique_ptr<Command> command) {
    Check(command != nullptr && position >= 0 && position <= count(), "Cannot insert element to the list.");
    return **commands_.insert(commands_.begin() + position, std::move(command));
}

void CommandSeq::Remove(int position) { Unlink(position); }

std::unique_ptr<Command> CommandSeq::Unlink(int position) {
    Check(position >= 0 && position < count(), "List index when deleting is out of bounds.");
    std::unique_ptr<Command> command = std::move(commands_[static_cast<std::size_t>(position)]);
    commands_.erase(commands_.begin() + position);
    return command;
}

void CommandSeq::Clear() { commands_.clear(); }

void CommandSeq::Assign(const CommandSeq& source) {
    if (this == &source) return;
    std::vector<std::unique_ptr<Command>> clones;
    clones.reserve(source.commands_.size());
    for (const auto& command : source.commands_) clones.push_back(command->Clone());
    commands_ = std::move(clones);
}

void CommandSeq::UpdateText(Scenario& scenario) {
    for (auto& command : commands_) command->UpdateText(scenario);
}

void CommandSeq::WriteToFile(RecordWriter& out) const {
    out.Int(count());
    for (const auto& command : commands_) command->WriteToFile(out);
}

void CommandSeq::ReadFromFile(RecordReader& in) {
    Clear();
    std::int32_t n = in.Count(4);
    for (std::int32_t i = 0; i < n; ++i) {
        std::unique_ptr<Command> command = MakeCommand(in.Int());
        command->ReadFromFile(in);
        Append(std::move(command));
    }
}

const Template* MatchDeclaration(const std::vector<Template>& functions, std::string_view name,
                                 const TermCommand& command) {
    for (const Template& declared : functions) {
        if (declared.name != name || declared.form != command.form || declared.argCount != command.argCount)
            continue;
        bool constantsMatch = true;
        for (std::size_t i = 0; i < static_cast<std::size_t>(declared.argCount); ++i)
            if (declared.argKind[i] == KindConst && declared.argConst[i] != command.args[i]) constantsMatch = false;
        if (constantsMatch) return &declared;
    }
    return nullptr;
}

namespace {
// The conditions of a record: only calls may stand there.
void ReadConditions(RecordReader& in, ConditionList& conditions) {
    conditions.text = in.String();
    conditions.list.ReadFromFile(in);
    for (const auto& condition : conditions.list)
        Check(condition->kind == kTermCommand, "CommandSeq::ReadFromFile - Unknown command type");
}

// The walk for both constnesses: Call is TermCommand or const TermCommand.
// It goes by the kind tags, since it runs over every command of a mission
// on edits of the trigger list.
template <typename Call, typename CommandType, typename Visit>
void Walk(CommandType& command, const Visit& visit) {
    constexpr bool kConst = std::is_const_v<Call>;
    auto each = [&](auto& commands) {
        for (const auto& child : commands) Walk<Call>(static_cast<CommandType&>(*child), visit);
    };
    switch (command.kind) {
        case kTermCommand: visit(static_cast<Call&>(command)); break;
        case kIfBlockCommand: {
            auto& ifBlock = static_cast<std::conditional_t<kConst, const IfBlock, IfBlock>&>(command);
            each(ifBlock.conditions.list);
            each(ifBlock.thenCommands);
            each(ifBlock.elseCommands);
            break;
        }
        case kBlockCommand: {
            auto& trigger = static_cast<std::conditional_t<kConst, const CommandBlock, CommandBlock>&>(command);
            each(trigger.conditions.list);
            each(trigger.actions);
            break;
        }
        default: break;
    }
}

}  // namespace

void ForEachCall(Command& command, const std::function<void(TermCommand&)>& visit) {
    Walk<TermCommand>(command, visit);
}

void ForEachCall(const Command& command, const std::function<void(const TermCommand&)>& visit) {
    Walk<const TermCommand>(command, visit);
}

std::vector<std::string> LostMapReferences(const Scenario& scenario) {
    std::vector<std::string> lost;
    for (const auto& trigger : scenario.triggers)
        ForEachCall(*trigger, [&](const TermCommand& call) {
            if (call.lost != 0) lost.push_back(trigger->text + ": " + call.text);
        });
    return lost;
}

bool HoldsLostCall(const Command& command) {
    bool held = false;
    ForEachCall(command, [&](const TermCommand& call) { held = held || call.lost != 0; });
    return held;
}

int RebindMapReferences(Scenario& scenario, CommandSeq& sequence) {
    int lost = 0;
    for (const auto& command : sequence) lost += command->RebindMapReferences(scenario);
    return lost;
}

// ---- ConditionList ----

void ConditionList::UpdateText(Scenario& scenario) {
    list.UpdateText(scenario);
    if (list.empty()) {
        text = Lookup("txtALWAYS");
        return;
    }
    text.clear();
    for (const auto& condition : list) text += condition->text;
}

void ConditionList::Assign(const ConditionList& source) {
    list.Assign(source.list);
    text = source.text;
}

// ---- Command ----

void Command::Assign(const Command& source) { kind = source.kind; }

void Command::WriteToFile(RecordWriter& out) const {
    out.Int(kind);
    out.String(text);
}

void Command::ReadFromFile(RecordReader& in) { text = in.String(); }

// ---- TermCommand ----

void TermCommand::Bind(const Template& declared) {
    function = &declared;
    argCount = declared.argCount;
    form = static_cast<std::uint8_t>(declared.form);
    args.fill(0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(argCount); ++i)
        if (declared.argKind[i] == KindConst) args[i] = declared.argConst[i];
}

void TermCommand::AddArg(std::int32_t value) {
    Check(argCount >= 0 && argCount < kMaxArgValues,
          "TermCommand::AddArg - Can't add extra argument to command.");
    args[static_cast<std::size_t>(argCount++)] = value;
}

void TermCommand::SetArg(const Scenario& scenario, int index, std::int32_t value) {
    if (index < 0 || index >= kMaxArgValues) return;
    auto slot = static_cast<std::size_t>(index);
    args[slot] = value;
    argText[slot].clear();
    lost = static_cast<std::uint8_t>(lost & ~(1u << index));
    if (!function || index >= function->argCount || function->argKind[slot] != KindGroup) return;
    const std::string& group = function->argGroup[slot];
    if (group != "zones" && group != "groups") return;
    // Dynamic groups (values past the map's groups) have no map name.
    const StringList& items = scenario.objectGroups.GetGroup(group);
    if (items.Contains(value)) argText[slot] = items[value];
}

void TermCommand::SetLostArg(int index, std::string name) {
    if (index < 0 || index >= kMaxArgValues) return;
    auto slot = static_cast<std::size_t>(index);
    args[slot] = -1;
    argText[slot] = std::move(name);
    lost = static_cast<std::uint8_t>(lost | 1u << index);
}

void TermCommand::AssignPage(const TermCommand& source) {
    kind = source.kind;
    page = std::make_unique<PageRecord>(source.page ? *source.page : PageRecord{});
}

std::unique_ptr<Command> TermCommand::Clone() const {
    auto clone = std::make_unique<TermCommand>();
    clone->kind = kind;
    clone->text = text;
    clone->function = function;
    clone->argCount = argCount;
    clone->args = args;
    clone->argText = argText;
    clone->form = form;
    clone->unfilled = unfilled;
    clone->lost = lost;
    // Only page calls have a page; a copy of every other call would cost
    // each copied command a page of its own.
    if (page) clone->page = std::make_unique<PageRecord>(*page);
    return clone;
}

int TermCommand::RebindMapReferences(Scenario& scenario) {
    if (!function) return 0;
    ObjectGroups& groups = scenario.objectGroups;
    const StringList& zones = groups.GetGroup("zones");
    const StringList& mapGroups = groups.GetGroup("groups");
    int recorded = groups.mapGroupCount;
    auto rebind = [&](int i, const StringList& items) {
        auto slot = static_cast<std::size_t>(i);
        std::int32_t& value = args[slot];
        const std::string& name = argText[slot];
        int found = name.empty() && !IsLost(i) ? (items.Contains(value) ? value : -1) : items.IndexOf(name);
        if (found < 0) {
            lost = static_cast<std::uint8_t>(lost | 1u << i);
            return;
        }
        lost = static_cast<std::uint8_t>(lost & ~(1u << i));
        value = found;
    };
    for (int i = 0; i < argCount && i < function->argCount; ++i) {
        auto slot = static_cast<std::size_t>(i);
        if (function->argKind[slot] != KindGroup) continue;
        const std::string& group = function->argGroup[slot];
        if (group == "zones") {
            rebind(i, zones);
        } else if (group == "groups") {
            // A lost group keeps no place, so it never passes for a dynamic one.
            if (IsLost(i) || args[slot] < recorded)
                rebind(i, mapGroups);
            else  // a dynamic group keeps its place after the map's groups
                args[slot] = args[slot] - recorded + mapGroups.count();
        }
    }
    return lost != 0 ? 1 : 0;
}

void TermCommand::WriteToFile(RecordWriter& out) const {
    out.Int(kind);
    out.Int(argCount);
    for (int i = 0; i < argCount; ++i) out.Int(args[static_cast<std::size_t>(i)]);
    out.String(function ? function->name : std::string());
    out.Byte(form);
    WritePage(out, page.get());
    for (int i = 0; i < argCount; ++i) out.String(argText[static_cast<std::size_t>(i)]);
}

void TermCommand::ReadFromFile(RecordReader& in) {
    std::int32_t n = in.Int();
    Check(n >= 0 && n <= kMaxArgValues, "TermCommand::AddArg - Can't add extra argument to command.");
    argCount = n;
    for (int i = 0; i < argCount; ++i) args[static_cast<std::size_t>(i)] = in.Int();
    std::string name = in.String();
    form = in.Byte();
    page = ReadPage(in);
    for (int i = 0; i < argCount; ++i) argText[static_cast<std::size_t>(i)] = in.String();
    function = MatchDeclaration(in.functions(), name, *this);
    CheckJoined(function != nullptr, name, " : script command is not recognized.");
}

// ---- IfBlock ----

void IfBlock::Assign(const Command& source) {
    Command::Assign(source);
    if (const auto* other = dynamic_cast<const IfBlock*>(&source); other && other != this) {
        elseCommands.Assign(other->elseCommands);
        thenCommands.Assign(other->thenCommands);
        conditions.Assign(other->conditions);
    }
}

void IfBlock::UpdateText(Scenario& scenario) {
    conditions.UpdateText(scenario);
    // The commands inside must not keep stale names either.
    thenCommands.UpdateText(scenario);
    elseCommands.UpdateText(scenario);
    text = Lookup("txtIfSmall") + conditions.text;
}

std::unique_ptr<Command> IfBlock::Clone() const {
    auto clone = std::make_unique<IfBlock>();
    clone->text = text;
    clone->conditions.Assign(conditions);
    clone->thenCommands.Assign(thenCommands);
    clone->elseCommands.Assign(elseCommands);
    return clone;
}

int IfBlock::RebindMapReferences(Scenario& scenario) {
    return sced::RebindMapReferences(scenario, conditions.list) + sced::RebindMapReferences(scenario, thenCommands) +
           sced::RebindMapReferences(scenario, elseCommands);
}

void IfBlock::WriteToFile(RecordWriter& out) const {
    out.Int(kind);
    out.String(text);
    out.String(conditions.text);
    conditions.list.WriteToFile(out);
    thenCommands.WriteToFile(out);
    elseCommands.WriteToFile(out);
}

void IfBlock::ReadFromFile(RecordReader& in) {
    text = in.String();
    ReadConditions(in, conditions);
    thenCommands.ReadFromFile(in);
    elseCommands.ReadFromFile(in);
}

// ---- CommandBlock ----

void CommandBlock::UpdateText(Scenario& scenario) {
    conditions.UpdateText(scenario);
    actions.UpdateText(scenario);
}

std::unique_ptr<Command> CommandBlock::Clone() const {
    auto clone = std::make_unique<CommandBlock>();
    clone->text = text;
    clone->times = times;  // a duplicated or moved trigger fires as often as before
    clone->conditions.Assign(conditions);
    clone->actions.Assign(actions);
    return clone;
}

int CommandBlock::RebindMapReferences(Scenario& scenario) {
    return sced::RebindMapReferences(scenario, conditions.list) + sced::RebindMapReferences(scenario, actions);
}

void CommandBlock::WriteToFile(RecordWriter& out) const {
    out.Int(kind);
    out.String(text);
    out.Int(times);
    out.String(conditions.text);
    conditions.list.WriteToFile(out);
    actions.WriteToFile(out);
}

void CommandBlock::ReadFromFile(RecordReader& in) {
    text = in.String();
    times = in.Int();
    ReadConditions(in, conditions);
    actions.ReadFromFile(in);
}

}  // namespace sced

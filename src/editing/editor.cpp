#include "editing/editor.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "controls/control.h"
#include "controls/control_table.h"
#include "core/scenario_error.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "declarations/function_template.h"
#include "editing/mission_snapshot.h"
#include "editing/replace_uses.h"
#include "editing/scenario_tree.h"
#include "editing/script_text.h"
#include "editing/trigger_references.h"
#include "files/dump_file.h"
#include "files/map_reader.h"
#include "files/mission_package.h"
#include "files/recovery_copy.h"
#include "files/script_writer.h"
#include "model/command_tree.h"
#include "model/mission_properties.h"
#include "model/scenario.h"

namespace sced {

namespace {

Control* TreeControl() { return ControlTable::Instance().At(kScenarioTree); }

bool ShowDialog(int dialog, const char* captionKey) {
    return ControlTable::Instance().ShowModal(dialog, Lookup(captionKey));
}

std::string Joined(const std::vector<std::string>& lines, std::string_view separator) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : std::string(separator)) + line;
    return text;
}

// Whether the edited copy says what the command said: then OK changes
// nothing. A lost name that was chosen anew is mended, so it is a change.
bool SameCall(const TermCommand& a, const TermCommand& b) {
    auto samePage = [](const PageRecord* x, const PageRecord* y) {
        PageRecord none;
        const PageRecord& p = x ? *x : none;
        const PageRecord& q = y ? *y : none;
        return p.number == q.number && p.picture == q.picture && p.body == q.body;
    };
    return a.function == b.function && a.form == b.form && a.argCount == b.argCount && a.args == b.args &&
           a.lost == b.lost && samePage(a.page.get(), b.page.get());
}

std::unique_ptr<EditStep> OneStep(std::vector<std::unique_ptr<EditStep>> steps) {
    return steps.size() == 1 ? std::move(steps.front()) : CompoundStep(std::move(steps));
}

int IndexOf(const CommandSeq& list, const Command* command) {
    for (int i = 0; i < list.count(); ++i)
        if (&list.At(i) == command) return i;
    return -1;
}

// What the list of a kind holds, in the words of a warning.
const char* KindNoun(ListKind kind) {
    return kind == ListKind::kTriggers ? "triggers" : kind == ListKind::kConditions ? "conditions" : "actions";
}

}  // namespace

Editor::Editor(Scenario& scenario) : scenario_(scenario), arguments_(scenario) {
    ControlTable::Instance().SetEvents(&arguments_);
    references_.Rebuild(scenario_);
}

Editor::~Editor() {
    if (ControlTable::Instance().events() == &arguments_) ControlTable::Instance().SetEvents(nullptr);
}

// Labels for pasted triggers: each free among the mission's labels and
// the ones given before it. A copy of "Patrol 2" is "Patrol 3", not
// "Patrol 2 2": copies of copies count on from the base name instead of
// growing; each base counts on from where it stopped, so that a paste of
// many triggers does not count from 2 each time.
class Editor::FreeNames {
public:
    explicit FreeNames(const Scenario& scenario) {
        for (const auto& trigger : scenario.triggers) inUse_.insert(trigger->text);
    }
    bool Taken(const std::string& name) const { return inUse_.contains(name); }
    std::string Take(const std::string& base) {
        std::string name = base;
        if (inUse_.contains(name)) {
            std::string stem = base;
            if (std::size_t blank = stem.find_last_of(' ');
                blank != std::string::npos && blank > 0 && blank + 1 < stem.size() &&
                stem.find_first_not_of("0123456789", blank + 1) == std::string::npos)
                stem.resize(blank);
            int& n = next_.try_emplace(stem, 2).first->second;
            do name = stem + " " + std::to_string(n++);
            while (inUse_.contains(name));
        }
        inUse_.insert(name);
        return name;
    }

private:
    std::unordered_set<std::string> inUse_;
    std::unordered_map<std::string, int> next_;
};

// ---- queries ----

bool Editor::IsOpen() const { return scenario_.objectGroups.mapLoaded; }
int Editor::TriggerCount() const { return scenario_.triggers.count(); }
bool Editor::IsModified() const { return scenario_.modified; }

bool Editor::HasSelectedElement() const {
    return IsOpen() && selection_.list && selection_.index >= 0 && selection_.index < selection_.list->count();
}

bool Editor::CanMoveUp() const { return HasSelectedElement() && selection_.indices.front() > 0; }

bool Editor::CanMoveDown() const {
    return HasSelectedElement() && selection_.indices.back() + 1 < selection_.list->count();
}

bool Editor::CanPaste() const {
    if (!IsOpen() || !selection_.list || clipboard_.empty()) return false;
    for (const auto& command : clipboard_.commands())
        if (!FitsIn(*command, clipboard_.kind(), selection_)) return false;
    return true;
}

bool Editor::FitsIn(const Command& command, ListKind from, const Selection& here) {
    if ((here.kind == ListKind::kConditions) != (from == ListKind::kConditions)) return false;
    if ((here.kind == ListKind::kTriggers) != (from == ListKind::kTriggers)) return false;
    // The chooser's rules: no IF block inside an IF block, no question outside an IF's conditions.
    if (command.kind == kIfBlockCommand && (here.kind == ListKind::kThen || here.kind == ListKind::kElse)) return false;
    const auto* call = dynamic_cast<const TermCommand*>(&command);
    bool question = call && call->function && call->function->name == "AskQuestionEx";
    return !question || (here.kind == ListKind::kConditions && here.ifBlock);
}

CommandBlock* Editor::CurrentTrigger() const {
    if (selection_.trigger < 0 || selection_.trigger >= scenario_.triggers.count()) return nullptr;
    return dynamic_cast<CommandBlock*>(&scenario_.triggers.At(selection_.trigger));
}

ListPlace Editor::PlaceOfSelection() { return PlaceOf(selection_); }

ListPlace Editor::PlaceNow(const Selection& selection) {
    ListPlace place = PlaceOf(selection);
    if (selection.ifBlock)
        if (auto* trigger = dynamic_cast<CommandBlock*>(&scenario_.triggers.At(selection.trigger)))
            place.path[2] = IndexOf(trigger->actions, selection.ifBlock);
    return place;
}

std::vector<const Command*> Editor::SelectedCommands() const {
    std::vector<const Command*> commands;
    if (!HasSelectedElement()) return commands;
    for (int i : selection_.indices) commands.push_back(&selection_.list->At(i));
    return commands;
}

std::vector<TreePath> Editor::SelectedPaths() const {
    std::vector<TreePath> paths;
    if (!HasSelectedElement()) return paths;
    paths.push_back(ElementPath(selection_.listPath, selection_.index));
    for (int i : selection_.indices)
        if (i != selection_.index) paths.push_back(ElementPath(selection_.listPath, i));
    return paths;
}

ListPlace Editor::PlaceOf(const Selection& selection) {
    bool triggers = selection.kind == ListKind::kTriggers;
    return ListPlace{selection.list, triggers ? kNoTreePath : selection.listPath, triggers ? -1 : selection.trigger,
                     &references_};
}

// ---- the selection and the tree ----

void Editor::ResetSelection() { selection_ = Selection{}; }

void Editor::FollowTreeSelection() {
    if (!IsOpen()) return;
    std::vector<TreePath> paths;
    if (!scenario_.triggers.empty()) {
        Control* tree = TreeControl();
        Check(tree != nullptr, "TR_SCENARIO: cannot get tree selection.");
        paths = tree->GetTreePaths();
    }
    selection_ = SelectionAt(paths.empty() ? kNoTreePath : paths.front());
    if (selection_.index < 0) return;
    // Elements of other lists selected beside the current one take no part.
    for (std::size_t p = 1; p < paths.size(); ++p) {
        Selection also = SelectionAt(paths[p]);
        if (also.list == selection_.list && also.kind == selection_.kind && also.index >= 0)
            selection_.indices.push_back(also.index);
    }
    std::sort(selection_.indices.begin(), selection_.indices.end());
    selection_.indices.erase(std::unique(selection_.indices.begin(), selection_.indices.end()),
                             selection_.indices.end());
}

Selection Editor::SelectionAt(const TreePath& path) const {
    Selection selection;
    // The trigger list is current even when empty, so a cut trigger can be pasted back.
    CommandSeq& triggers = scenario_.triggers;
    selection.kind = ListKind::kTriggers;
    selection.list = &triggers;
    if (triggers.empty()) return selection;
    auto indexIn = [](const CommandSeq& list, int i) { return i >= 0 && i < list.count() ? i : -1; };
    selection.index = indexIn(triggers, path[0]);
    if (selection.index >= 0) selection.indices = {selection.index};
    auto* trigger = selection.index >= 0 ? dynamic_cast<CommandBlock*>(&triggers.At(path[0])) : nullptr;
    if (!trigger) return selection;
    selection.trigger = path[0];
    if (path[1] < 0) return selection;
    selection.listPath = PathPrefix(path, 2);
    auto none = [&] {
        selection.kind = ListKind::kNone;
        selection.list = nullptr;
        selection.index = -1;
        selection.indices.clear();
        return selection;
    };
    if (path[1] == 0) {
        // The empty list's "Always" node stands for the list: conditions go there.
        selection.kind = ListKind::kConditions;
        selection.list = &trigger->conditions.list;
    } else if (path[1] == 1) {
        selection.kind = ListKind::kActions;
        selection.list = &trigger->actions;
    } else {
        return none();
    }
    CommandSeq& list = *selection.list;
    selection.index = indexIn(list, path[2]);
    selection.indices.clear();
    if (selection.index >= 0) selection.indices = {selection.index};
    if (path[3] < 0 || selection.kind != ListKind::kActions || selection.index < 0) return selection;
    auto* ifBlock = dynamic_cast<IfBlock*>(&list.At(selection.index));
    if (!ifBlock) return selection;
    selection.ifBlock = ifBlock;
    selection.listPath = PathPrefix(path, 4);
    switch (path[3]) {
        case 0:
            selection.kind = ListKind::kConditions;
            selection.list = &ifBlock->conditions.list;
            break;
        case 1:
            selection.kind = ListKind::kThen;
            selection.list = &ifBlock->thenCommands;
            break;
        case 2:
            selection.kind = ListKind::kElse;
            selection.list = &ifBlock->elseCommands;
            break;
        default: return none();
    }
    selection.index = indexIn(*selection.list, path[4]);
    selection.indices.clear();
    if (selection.index >= 0) selection.indices = {selection.index};
    return selection;
}

void Editor::RebuildTree() {
    scenario_.triggers.UpdateText(scenario_);
    if (Control* tree = TreeControl()) tree->SetTree(BuildScenarioTree(scenario_));
    FollowTreeSelection();
}

void Editor::Show(const TreeEffect& effect) {
    auto at = [&](int t) -> Command* {
        return t >= 0 && t < scenario_.triggers.count() ? &scenario_.triggers.At(t) : nullptr;
    };
    // The triggers whose content changed get their texts anew, shown or not.
    std::vector<Command*> touched;
    switch (effect.scope) {
        case TreeEffect::kNothing:
        case TreeEffect::kRemoveTriggers:
        case TreeEffect::kRemoveTrigger:
        case TreeEffect::kAll: break;
        case TreeEffect::kInsertTriggers:
            for (int t = effect.trigger; t < effect.trigger + effect.other; ++t) touched.push_back(at(t));
            break;
        case TreeEffect::kTrigger:
        case TreeEffect::kInsertTrigger: touched = {at(effect.trigger)}; break;
        case TreeEffect::kSwapTriggers: touched = {at(effect.trigger), at(effect.trigger + 1)}; break;
        case TreeEffect::kMoveTrigger: touched = {at(effect.other)}; break;
        case TreeEffect::kTwoTriggers: touched = {at(effect.trigger), at(effect.other)}; break;
        // Only the texts of the commands change, formed below node by node.
        case TreeEffect::kNodeTexts: break;
    }
    for (Command* trigger : touched)
        if (trigger) trigger->UpdateText(scenario_);
    if (effect.scope == TreeEffect::kNodeTexts)
        for (const TreePath& path : effect.nodes)
            if (touched.empty() || touched.back() != at(path[0])) touched.push_back(at(path[0]));
    if (effect.scope == TreeEffect::kAll)
        trail_.Everything();
    else
        trail_.Touched(std::vector<const Command*>(touched.begin(), touched.end()));
    Control* tree = TreeControl();
    auto node = [&](int t) { return BuildTriggerNode(scenario_, dynamic_cast<CommandBlock&>(scenario_.triggers.At(t))); };
    switch (effect.scope) {
        case TreeEffect::kNothing: break;
        case TreeEffect::kTrigger:
            if (tree) tree->SpliceTree(TreeSplice{effect.trigger, 1, {node(effect.trigger)}});
            break;
        case TreeEffect::kInsertTrigger:
            if (tree) tree->SpliceTree(TreeSplice{effect.trigger, 0, {node(effect.trigger)}});
            break;
        case TreeEffect::kRemoveTrigger:
            if (tree) tree->SpliceTree(TreeSplice{effect.trigger, 1, {}});
            break;
        case TreeEffect::kInsertTriggers:
            if (tree) {
                TreeSplice splice{effect.trigger, 0, {}};
                for (int t = effect.trigger; t < effect.trigger + effect.other; ++t) splice.inserted.push_back(node(t));
                tree->SpliceTree(std::move(splice));
            }
            break;
        case TreeEffect::kRemoveTriggers:
            if (tree) tree->SpliceTree(TreeSplice{effect.trigger, effect.other, {}});
            break;
        case TreeEffect::kSwapTriggers:
            if (tree) tree->SpliceTree(TreeSplice{effect.trigger, 2, {node(effect.trigger), node(effect.trigger + 1)}});
            break;
        case TreeEffect::kMoveTrigger:
            // The triggers between keep their nodes: what they show names
            // triggers by label, not by place.
            if (tree) {
                tree->SpliceTree(TreeSplice{effect.trigger, 1, {}});
                tree->SpliceTree(TreeSplice{effect.other, 0, {node(effect.other)}});
            }
            break;
        case TreeEffect::kTwoTriggers:
            if (tree) {
                tree->SpliceTree(TreeSplice{effect.trigger, 1, {node(effect.trigger)}});
                tree->SpliceTree(TreeSplice{effect.other, 1, {node(effect.other)}});
            }
            break;
        case TreeEffect::kAll:
            scenario_.triggers.UpdateText(scenario_);
            if (tree) tree->SetTree(BuildScenarioTree(scenario_));
            break;
        case TreeEffect::kNodeTexts: {
            // A change of what many commands say goes to the tree as their
            // texts alone: new nodes for every trigger they stand in would
            // cost as much as opening the mission.
            std::vector<TreeRelabel> texts;
            for (const TreePath& path : effect.nodes)
                if (std::optional<std::string> text = CommandNodeText(scenario_, path))
                    texts.push_back({path, std::move(*text)});
            if (tree) tree->RelabelTree(std::move(texts));
            break;
        }
    }
    if (!tree) return;
    if (effect.select && effect.selectAlso.empty()) {
        tree->SetTreePath(*effect.select);
    } else if (effect.select) {
        std::vector<TreePath> paths = {*effect.select};
        paths.insert(paths.end(), effect.selectAlso.begin(), effect.selectAlso.end());
        tree->SetTreePaths(paths);
    }
    FollowTreeSelection();
}

void Editor::Apply(std::unique_ptr<EditStep> step) {
    step->Redo(scenario_);
    Record(std::move(step));
}

void Editor::ApplyAfterRenames(std::unique_ptr<EditStep> step) {
    std::vector<std::unique_ptr<EditStep>> steps = arguments_.TakeRenames();
    if (step) {
        step->Redo(scenario_);
        steps.push_back(std::move(step));
    }
    if (!steps.empty()) Record(OneStep(std::move(steps)));
}

void Editor::Record(std::unique_ptr<EditStep> step) {
    TreeEffect effect = step->Effect(false);
    history_.Push(std::move(step));
    scenario_.modified = history_.Modified();
    Show(effect);
}

// ---- the operations ----

std::string Editor::NewTriggerName(const std::string& base) const {
    // A new trigger is numbered after the triggers there are, on from the
    // first number no trigger bears.
    std::unordered_set<std::string_view> inUse;
    for (const auto& trigger : scenario_.triggers) inUse.insert(trigger->text);
    for (int n = scenario_.triggers.count();; ++n)
        if (std::string name = base + " " + std::to_string(n); !inUse.contains(name)) return name;
}

bool Editor::AddTrigger() {
    if (!IsOpen()) return false;
    std::vector<std::string> labels;
    for (const auto& trigger : scenario_.triggers) labels.push_back(trigger->text);
    arguments_.SetNamesInUse(std::move(labels));
    Control* edit = ControlTable::Instance().At(kStringEdit);
    if (edit) edit->SetText(NewTriggerName(Lookup("txtTrigger")));
    bool accepted = ShowDialog(kStringDialog, "txtEnterTriggName") && edit;
    arguments_.SetNamesInUse(std::nullopt);
    if (!accepted) return false;
    auto trigger = std::make_unique<CommandBlock>();
    trigger->text = edit->GetText();
    int position = scenario_.triggers.count();
    Apply(InsertStep(ListPlace{&scenario_.triggers, kNoTreePath, -1, &references_}, position, std::move(trigger)));
    if (Control* tree = TreeControl()) tree->Notify(kExpand);
    return true;
}

bool Editor::AddCondition() { return AddCommand(true); }
bool Editor::AddAction() { return AddCommand(false); }

bool Editor::AddCommand(bool conditions) {
    CommandBlock* trigger = CurrentTrigger();
    if (!IsOpen() || !trigger || (conditions && !HasCurrentList())) return false;
    IfBlock* ifBlock = selection_.ifBlock;
    TreePath triggerPath = PathPrefix(selection_.listPath, 1);
    triggerPath[0] = selection_.trigger;
    ListPlace place{nullptr, kNoTreePath, selection_.trigger, &references_};
    if (ifBlock) {
        TreePath ifPath = PathPrefix(selection_.listPath, 3);
        int part = conditions ? 0 : selection_.kind == ListKind::kElse ? 2 : 1;
        place.list = part == 0 ? &ifBlock->conditions.list : part == 1 ? &ifBlock->thenCommands : &ifBlock->elseCommands;
        place.path = ifPath;
        place.path[3] = part;
    } else {
        place.list = conditions ? &trigger->conditions.list : &trigger->actions;
        place.path = triggerPath;
        place.path[1] = conditions ? 0 : 1;
    }
    arguments_.StartChoosing(conditions, ifBlock != nullptr);
    bool accepted = ShowDialog(kChooserDialog, conditions ? "txtAddCondition" : "txtAddAction");
    std::unique_ptr<TermCommand> draft = arguments_.TakeDraft();
    if (!accepted || !draft || !draft->AllFilled()) {
        arguments_.RollBackRenames();
        return false;
    }
    std::unique_ptr<Command> command;
    if (draft->function && draft->function->name == "IfBlock") {
        command = std::make_unique<IfBlock>();
    } else {
        draft->UpdateText(scenario_);
        command = std::move(draft);
    }
    ApplyAfterRenames(InsertStep(place, place.list->count(), std::move(command)));
    return true;
}

bool Editor::Modify() {
    if (!HasSelectedElement() || selection_.trigger < 0) return false;
    if (selection_.kind == ListKind::kTriggers) return ModifyTrigger();
    auto* call = dynamic_cast<TermCommand*>(&selection_.list->At(selection_.index));
    if (!call) return false;
    std::unique_ptr<Command> copy = call->Clone();
    arguments_.StartEditing(std::unique_ptr<TermCommand>(static_cast<TermCommand*>(copy.release())));
    bool accepted = ShowDialog(kEditorDialog, "txtModCommand");
    std::unique_ptr<TermCommand> draft = arguments_.TakeDraft();
    if (!accepted || !draft) {
        arguments_.RollBackRenames();
        return false;
    }
    std::unique_ptr<EditStep> replace;
    if (!SameCall(*draft, *call)) {
        draft->UpdateText(scenario_);
        replace = ReplaceStep(PlaceOfSelection(), selection_.index, std::move(draft));
    }
    ApplyAfterRenames(std::move(replace));
    return true;
}

bool Editor::ModifyTrigger() {
    auto& trigger = dynamic_cast<CommandBlock&>(scenario_.triggers.At(selection_.index));
    // Keeping its own name is no clash; another trigger's name is.
    std::vector<std::string> labels;
    for (int t = 0; t < scenario_.triggers.count(); ++t)
        if (t != selection_.index) labels.push_back(scenario_.triggers.At(t).text);
    arguments_.SetNamesInUse(std::move(labels));
    DialogExchange& exchange = arguments_.exchange();
    exchange.text = trigger.text;
    // A trigger without a TIMES line fires once.
    exchange.times = trigger.times == -1 ? 1 : trigger.times;
    bool accepted = ShowDialog(kTriggerDialog, "EnterTriggName");
    arguments_.SetNamesInUse(std::nullopt);
    if (!accepted) return false;
    std::vector<std::unique_ptr<EditStep>> steps;
    // Commands that run the trigger show its label.
    if (exchange.text != trigger.text) steps.push_back(TextStep(&trigger.text, exchange.text, TreeEffect::kAll));
    bool sameTimes = exchange.times == trigger.times || (trigger.times == -1 && exchange.times == 1);
    if (!sameTimes) steps.push_back(TimesStep(&trigger.times, exchange.times, selection_.index));
    if (!steps.empty()) Apply(OneStep(std::move(steps)));
    return true;
}

bool Editor::Delete() {
    if (!HasSelectedElement()) return false;
    const std::vector<int>& indices = selection_.indices;
    if (selection_.kind == ListKind::kTriggers && references_.IsUsed(scenario_, indices)) {
        std::string users = Joined(CommandsUsingTriggers(scenario_, indices), "\n");
        if (indices.size() == 1) {
            Warn(false, "The trigger \"" + scenario_.triggers.At(selection_.index).text +
                            "\" cannot be deleted while other commands run it:\n" + users);
        } else {
            std::vector<std::string> labels;
            for (int t : indices) labels.push_back("\"" + scenario_.triggers.At(t).text + "\"");
            Warn(false, "The triggers " + Joined(labels, ", ") +
                            " cannot be deleted while other commands run one of them:\n" + users);
        }
        return false;
    }
    if (indices.size() == 1) {
        Apply(RemoveStep(PlaceOfSelection(), selection_.index));
        return true;
    }
    Apply(SelectingStep(RemoveSeveralStep(PlaceOfSelection(), indices), {}, SelectedPaths()));
    return true;
}

bool Editor::Copy() {
    if (!HasSelectedElement()) return false;
    clipboard_.Take(SelectedCommands(), selection_.kind, scenario_);
    return true;
}

std::string Editor::SelectionText() {
    if (!HasSelectedElement()) return {};
    ListKind kind = selection_.kind == ListKind::kThen || selection_.kind == ListKind::kElse ? ListKind::kActions
                                                                                             : selection_.kind;
    std::vector<int> positions = kind == ListKind::kTriggers ? selection_.indices : std::vector<int>{selection_.trigger};
    return ScriptTextOf(scenario_, kind, SelectedCommands(), positions);
}

int Editor::PastePosition() const {
    int count = selection_.list->count();
    return selection_.index < 0 ? count : std::min(selection_.indices.back() + 1, count);
}

bool Editor::PasteText(std::string_view text) {
    if (!IsOpen() || !selection_.list) return false;
    bool trigger = selection_.kind == ListKind::kTriggers;
    CommandsOfText read;
    try {
        read = ReadScriptText(scenario_, text, trigger ? PastePosition() : -1);
    } catch (const ScenarioError& error) {
        Warn(false, std::string("The text cannot be pasted: ") + error.what());
        return false;
    }
    for (const auto& command : read.commands)
        if (!FitsIn(*command, read.kind, selection_)) {
            Warn(false, std::string("The text holds ") + KindNoun(read.kind) +
                            ", which cannot be pasted here: select a place among " + KindNoun(read.kind) + ".");
            return false;
        }
    return InsertPasted(std::move(read.commands));
}

bool Editor::InsertPasted(std::vector<std::unique_ptr<Command>> commands) {
    if (commands.empty()) return false;
    int position = PastePosition();
    if (selection_.kind == ListKind::kTriggers) {
        FreeNames names(scenario_);
        for (auto& command : commands) command->text = names.Take(command->text);
    }
    // Their texts are made when the tree shows them.
    std::vector<TreePath> pasted;
    for (std::size_t k = 0; k < commands.size(); ++k)
        pasted.push_back(ElementPath(selection_.listPath, position + static_cast<int>(k)));
    std::unique_ptr<EditStep> step = InsertBlockStep(PlaceOfSelection(), position, std::move(commands));
    if (pasted.size() > 1) step = SelectingStep(std::move(step), pasted, SelectedPaths());
    Apply(std::move(step));
    return true;
}

bool Editor::Paste() {
    if (!CanPaste()) return false;
    bool trigger = selection_.kind == ListKind::kTriggers;
    PasteProblems problems;
    std::vector<std::unique_ptr<Command>> copies = clipboard_.CopyFor(scenario_, problems, trigger ? PastePosition() : -1);
    if (copies.empty()) {
        std::vector<std::string> reasons;
        if (!problems.missing.empty())
            reasons.push_back("This mission has nothing of these names, so the command cannot be pasted: " +
                              Joined(problems.missing, ", ") + ".");
        if (!problems.ambiguous.empty())
            reasons.push_back("More than one trigger of this mission bears each of these labels, so the command "
                              "cannot be pasted: " + Joined(problems.ambiguous, ", ") + ".");
        Warn(false, Joined(reasons, "\n"));
        return false;
    }
    return InsertPasted(std::move(copies));
}

bool Editor::Cut() {
    if (!HasSelectedElement()) return false;
    if (selection_.kind == ListKind::kTriggers && references_.IsUsed(scenario_, selection_.indices))
        return Delete();  // refused, with the warning naming the users
    return Copy() && Delete();
}

bool Editor::Duplicate() { return Copy() && Paste(); }

bool Editor::MoveUp() {
    if (!CanMoveUp()) return false;
    if (!HasSeveralSelected()) {
        Apply(SwapStep(PlaceOfSelection(), selection_.index - 1, selection_.index));
        return true;
    }
    // Each selected element passes the one above it, the topmost first.
    std::vector<std::unique_ptr<EditStep>> steps;
    std::vector<TreePath> moved = {ElementPath(selection_.listPath, selection_.index - 1)};
    for (int i : selection_.indices) {
        steps.push_back(SwapStep(PlaceOfSelection(), i - 1, i));
        if (i != selection_.index) moved.push_back(ElementPath(selection_.listPath, i - 1));
    }
    Apply(SelectingStep(CompoundStep(std::move(steps)), moved, SelectedPaths()));
    return true;
}

bool Editor::MoveDown() {
    if (!CanMoveDown()) return false;
    if (!HasSeveralSelected()) {
        Apply(SwapStep(PlaceOfSelection(), selection_.index, selection_.index));
        return true;
    }
    std::vector<std::unique_ptr<EditStep>> steps;
    std::vector<TreePath> moved = {ElementPath(selection_.listPath, selection_.index + 1)};
    for (auto i = selection_.indices.rbegin(); i != selection_.indices.rend(); ++i) {
        steps.push_back(SwapStep(PlaceOfSelection(), *i, *i));
        if (*i != selection_.index) moved.push_back(ElementPath(selection_.listPath, *i + 1));
    }
    Apply(SelectingStep(CompoundStep(std::move(steps)), moved, SelectedPaths()));
    return true;
}

bool Editor::CarriesSelection(const TreePath& from) const {
    Selection dragged = SelectionAt(from);
    return HasSeveralSelected() && dragged.list == selection_.list &&
           std::binary_search(selection_.indices.begin(), selection_.indices.end(), dragged.index);
}

bool Editor::AcceptsSelected(const Selection& source, const Selection& target) const {
    if (!target.list) return false;
    for (int i : source.indices) {
        const Command& command = source.list->At(i);
        if (target.ifBlock == &command || !FitsIn(command, source.kind, target)) return false;
    }
    // Not onto one of them, nor where all of them stand already.
    bool sameList = target.list == source.list;
    if (sameList && std::binary_search(source.indices.begin(), source.indices.end(), target.index)) return false;
    return !sameList || static_cast<int>(source.indices.size()) < source.list->count();
}

bool Editor::Accepts(const TreePath& from, const TreePath& to) const {
    if (!IsOpen()) return false;
    if (CarriesSelection(from)) return AcceptsSelected(selection_, SelectionAt(to));
    Selection source = SelectionAt(from);
    Selection target = SelectionAt(to);
    if (!source.list || source.index < 0 || source.kind == ListKind::kNone || !target.list) return false;
    const Command& command = source.list->At(source.index);
    // Nothing into itself: not onto its own place, not into an IF block it is.
    if (target.list == source.list && target.index == source.index) return false;
    if (target.ifBlock && target.ifBlock == &command) return false;
    return FitsIn(command, source.kind, target);
}

bool Editor::MoveSelectedTo(const Selection& target) {
    const Selection source = selection_;
    std::vector<const Command*> moving = SelectedCommands();
    const Command* current = &source.list->At(source.index);
    const int count = static_cast<int>(moving.size());
    const bool sameList = target.list == source.list;
    // Within one list the block goes after the element it lands behind
    // (none: to the front); into another list, to the target's place.
    const Command* behind = nullptr;
    if (sameList) {
        auto selected = [&](int i) { return std::binary_search(source.indices.begin(), source.indices.end(), i); };
        // Onto the list's node: behind its last element; onto an element
        // below the block: behind it; above the block: in its place.
        int last = target.index < 0                          ? source.list->count() - 1
                   : target.index > source.indices.front() ? target.index
                                                             : target.index - 1;
        while (last >= 0 && selected(last)) --last;
        behind = last >= 0 ? &source.list->At(last) : nullptr;
    }
    const int place = target.index >= 0 ? target.index : target.list->count();
    // From the last to the first, each goes before the one moved before it.
    std::vector<std::unique_ptr<EditStep>> steps;
    for (int k = count - 1; k >= 0; --k) {
        int from = IndexOf(*source.list, moving[static_cast<std::size_t>(k)]);
        int to = place;
        if (sameList) {
            const Command* anchor = k + 1 < count ? moving[static_cast<std::size_t>(k + 1)] : behind;
            int at = anchor ? IndexOf(*source.list, anchor) : -1;
            if (at > from) --at;  // counted once the element is out of the list
            to = k + 1 < count ? at : at + 1;
        } else if (k + 1 < count) {
            to = IndexOf(*target.list, moving[static_cast<std::size_t>(k + 1)]);
        }
        if (sameList && from == to) continue;
        auto step = MoveStep(PlaceNow(source), from, PlaceNow(target), to);
        step->Redo(scenario_);
        steps.push_back(std::move(step));
    }
    if (steps.empty()) return false;
    std::vector<TreePath> moved;
    ListPlace landed = PlaceNow(target);
    for (const Command* command : moving) {
        TreePath path = ElementPath(landed.path, IndexOf(*target.list, command));
        if (command == current)
            moved.insert(moved.begin(), path);
        else
            moved.push_back(path);
    }
    Record(SelectingStep(CompoundStep(std::move(steps)), moved, SelectedPaths()));
    return true;
}

bool Editor::MoveTo(const TreePath& from, const TreePath& to) {
    if (!Accepts(from, to)) return false;
    if (CarriesSelection(from)) return MoveSelectedTo(SelectionAt(to));
    Selection source = SelectionAt(from);
    Selection target = SelectionAt(to);
    bool sameList = source.list == target.list;
    // Onto an item: the item's place; onto a list's node: its end. Counted
    // once the command is out of its list.
    int position = target.index >= 0 ? target.index : target.list->count() - (sameList ? 1 : 0);
    if (sameList && position == source.index) return false;
    ListPlace sourcePlace = PlaceOf(source);
    ListPlace targetPlace = PlaceOf(target);
    // An action taken out before an IF block moves that block up one place.
    if (!sameList && source.kind == ListKind::kActions && target.ifBlock && source.trigger == target.trigger &&
        targetPlace.path[2] > source.index)
        --targetPlace.path[2];
    Apply(MoveStep(sourcePlace, source.index, targetPlace, position));
    return true;
}

bool Editor::MissionProperties() {
    if (!IsOpen()) return false;
    DialogExchange& exchange = arguments_.exchange();
    exchange.title = scenario_.title;
    exchange.description = scenario_.description;
    exchange.picture.reset();
    if (!ShowDialog(kPropertiesDialog, "txtMissProp")) return false;
    // A title left as it was shown stays whole.
    std::string title = exchange.title == scenario_.title ? exchange.title : OneLineTitle(exchange.title);
    if (title.find_first_not_of(' ') == std::string::npos) title = Lookup("txtMissTitle");
    std::vector<std::unique_ptr<EditStep>> steps;
    if (title != scenario_.title) steps.push_back(TextStep(&scenario_.title, title, TreeEffect::kNothing));
    if (exchange.description != scenario_.description)
        steps.push_back(TextStep(&scenario_.description, exchange.description, TreeEffect::kNothing));
    if (exchange.picture && exchange.picture != scenario_.heldPicture)
        steps.push_back(PictureStep(&scenario_.heldPicture, std::move(exchange.picture)));
    if (!steps.empty()) Apply(OneStep(std::move(steps)));
    return true;
}

bool Editor::ImportDump(std::string_view dump) {
    if (!IsOpen()) return false;
    std::vector<std::string*> texts = {&scenario_.title, &scenario_.description};
    for (const char* group : {"objectives", "dyngroups", "switches", "timers", "players"}) {
        StringList& items = scenario_.objectGroups.GetGroup(group);
        for (int i = 0; i < items.count(); ++i) texts.push_back(&items[i]);
    }
    for (const auto& trigger : scenario_.triggers) texts.push_back(&trigger->text);
    std::vector<std::string> before;
    for (const std::string* text : texts) before.push_back(*text);
    ReadDumpText(scenario_, dump);
    // What the dump changed becomes steps that change it again from the old texts.
    std::vector<std::unique_ptr<EditStep>> steps;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (*texts[i] == before[i]) continue;
        std::string renamed = std::exchange(*texts[i], before[i]);
        steps.push_back(TextStep(texts[i], std::move(renamed), TreeEffect::kAll));
    }
    if (!steps.empty()) Apply(OneStep(std::move(steps)));
    return true;
}

bool Editor::ReplaceUses(const NamedThing& from, const NamedThing& to) {
    if (!IsOpen()) return false;
    std::unique_ptr<EditStep> step = ReplaceUsesStep(scenario_, from, to);
    if (!step) return false;
    Apply(std::move(step));
    return true;
}

bool Editor::Undo() { return Shown(history_.Undo(scenario_), true); }

bool Editor::Redo() { return Shown(history_.Redo(scenario_), false); }

bool Editor::Shown(const EditStep* step, bool undone) {
    if (!step) return false;
    scenario_.modified = history_.Modified();
    Show(step->Effect(undone));
    return true;
}

// ---- missions ----

void Editor::AfterOpening() {
    trail_.Everything();
    history_.Clear();
    references_.Rebuild(scenario_);
    scenario_.modified = false;
    ResetSelection();
    if (Control* upgrades = ControlTable::Instance().At(kUpgradeTree))
        upgrades->SetTree(scenario_.lists.UpgradeChooserTree());
    if (Control* tree = TreeControl()) tree->SetTreePath(kNoTreePath);
    RebuildTree();
    NoteMapStamp();
}

void Editor::NoteMapStamp() {
    mapFile_ = IsOpen() ? MapPathOf(scenario_) : std::filesystem::path();
    mapStamp_ = IsOpen() ? StampOf(mapFile_) : std::nullopt;
}

bool Editor::StartFresh(std::string_view mapPath) {
    MissionSnapshot before(scenario_);
    if (!NewMission(scenario_, mapPath)) {
        before.Restore();
        return false;
    }
    AfterOpening();
    return true;
}

bool Editor::Open(std::string_view mapPath) {
    MissionSnapshot before(scenario_);
    if (!OpenMission(scenario_, mapPath, false)) {
        before.Restore();
        return false;
    }
    AfterOpening();
    return true;
}

void Editor::OpenRecovered(const std::filesystem::path& folder) {
    MissionSnapshot before(scenario_);
    try {
        OpenRecoveryCopy(scenario_, folder);
    } catch (const ScenarioError&) {
        before.Restore();
        throw;
    }
    AfterOpening();
    history_.MarkUnsaved();
    scenario_.modified = true;
}

void Editor::Close() {
    scenario_.ResetGroups();
    scenario_.heldPicture.reset();
    scenario_.objectGroups.mapLoaded = false;
    AfterOpening();
}

void Editor::RefreshFromMap() {
    if (!IsOpen() || StampOf(mapFile_) == mapStamp_) return;
    // Noted before the read, so a map that cannot be read warns once, and
    // again only after it changes again.
    NoteMapStamp();
    const ObjectGroups& groups = scenario_.objectGroups;
    auto names = [&] {
        const StringList& zones = groups.GetGroup("zones");
        const StringList& mapGroups = groups.GetGroup("groups");
        std::vector<std::string> all(zones.begin(), zones.end());
        all.push_back({});  // between the zones and the groups
        all.insert(all.end(), mapGroups.begin(), mapGroups.end());
        return all;
    };
    std::vector<std::string> before = names();
    sced::RefreshFromMap(scenario_);
    // The usual case, the map as it was, costs no rebuild of the tree.
    if (names() == before) return;
    trail_.Everything();
    history_.Forget();
    RebuildTree();
}

std::vector<std::filesystem::path> Editor::Save() {
    std::vector<std::filesystem::path> saved = SaveMission(scenario_);
    history_.MarkSaved();
    scenario_.modified = false;
    // The save wrote the script's path into the map: that is no change of its names.
    NoteMapStamp();
    return saved;
}

}  // namespace sced

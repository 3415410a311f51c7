#include "editing/argument_editing.h"

#include "editing/replace_uses.h"

#include <algorithm>
#include <charconv>

#include "controls/control.h"
#include "core/code_page.h"
#include "core/string_table.h"
#include "core/text_reader.h"
#include "declarations/function_template.h"
#include "editing/name_rules.h"
#include "editing/replace_uses.h"
#include "editing/scenario_tree.h"
#include "editing/where_used.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

Control* At(int number) { return ControlTable::Instance().At(number); }

bool ShowDialog(int dialog, const char* captionKey) {
    return ControlTable::Instance().ShowModal(dialog, Lookup(captionKey));
}

std::vector<std::string> Items(const StringList& list) { return {list.begin(), list.end()}; }

std::int32_t Packed(int first, int second, int third) {
    auto byte = [](int value) { return static_cast<std::uint32_t>(value) & 0xFFu; };
    return static_cast<std::int32_t>(byte(first) | byte(second) << 8 | byte(third) << 16 | 0xFFu << 24);
}

// The groups whose item names the mission saves, so the designer may rename them.
bool SavesItemNames(const std::string& group) {
    return group == "players" || group == "dyngroups" || group == "objectives" || group == "switches" ||
           group == "timers" || group == "groups";
}

}  // namespace

ArgumentEditing::ArgumentEditing(Scenario& scenario) : scenario_(scenario) {}
ArgumentEditing::~ArgumentEditing() = default;

int ArgumentEditing::MapGroupCount() const { return scenario_.objectGroups.GetGroup("groups").count(); }

void ArgumentEditing::ShowDraft() {
    if (draft_) draft_->UpdateText(scenario_);
    if (Control* sentence = At(sentenceControl_)) sentence->SetCommand(draft_.get());
}

void ArgumentEditing::StartChoosing(bool conditions, bool insideIfBlock) {
    conditions_ = conditions;
    insideIfBlock_ = insideIfBlock;
    sentenceControl_ = kChooserSentence;
    renames_.clear();
    chooserFilter_.clear();
    // The chooser opens with nothing chosen: Enter must not add the command
    // chosen the last time.
    if (Control* tree = At(kChooserTree)) {
        tree->SetTree(BuildChooserTree(scenario_.functions, conditions, insideIfBlock));
        tree->SetTreePath(kNoTreePath);
    }
    ChooserSelectionChanged();
}

void ArgumentEditing::ChooserFilterChanged(std::string_view text) {
    chooserFilter_ = FoldCase(text);
    if (Control* tree = At(kChooserTree)) {
        tree->SetTree(BuildChooserTree(scenario_.functions, conditions_, insideIfBlock_, chooserFilter_));
        tree->SetTreePath(kNoTreePath);
    }
    ChooserSelectionChanged();
}

const Template* ArgumentEditing::ChooserFunction(const TreePath& path) {
    return ChooserFunctionAt(scenario_.functions, conditions_, insideIfBlock_, path[0], path[1], chooserFilter_);
}

void ArgumentEditing::StartEditing(std::unique_ptr<TermCommand> copy) {
    draft_ = std::move(copy);
    draft_->MarkAllFilled();
    sentenceControl_ = kEditorSentence;
    renames_.clear();
    ShowDraft();
}

std::unique_ptr<TermCommand> ArgumentEditing::TakeDraft() {
    if (Control* sentence = At(sentenceControl_)) sentence->SetCommand(nullptr);
    return std::move(draft_);
}

std::vector<std::unique_ptr<EditStep>> ArgumentEditing::TakeRenames() { return std::move(renames_); }

void ArgumentEditing::RollBackRenames() {
    for (auto step = renames_.rbegin(); step != renames_.rend(); ++step) (*step)->Undo(scenario_);
    renames_.clear();
}

void ArgumentEditing::SetNamesInUse(std::optional<std::vector<std::string>> names) {
    namesInUse_ = std::move(names);
    dynamicGroup_ = false;
    group_.clear();
}

void ArgumentEditing::ChooserSelectionChanged() {
    draft_.reset();
    if (Control* preview = At(kChooserSentence)) preview->SetCommand(nullptr);
    Control* tree = At(kChooserTree);
    if (!tree) return;
    const Template* function = ChooserFunction(tree->GetTreePath());
    if (!function) return;
    draft_ = std::make_unique<TermCommand>();
    draft_->Bind(*function);
    // A fresh command has no values yet: each argument waits for its click,
    // except a constant, which has its value and takes no click.
    draft_->unfilled = 0;
    for (int k = 0; k < function->placeholderCount; ++k) {
        int arg = function->placeholders[static_cast<std::size_t>(k)].argIndex;
        bool constant = arg >= 0 && arg < function->argCount && function->argKind[static_cast<std::size_t>(arg)] == KindConst;
        if (!constant) draft_->unfilled |= static_cast<std::uint8_t>(1u << k);
    }
    ShowDraft();
}

void ArgumentEditing::ArgumentClicked(int position) {
    if (!draft_ || !draft_->function || position < 0 || position >= draft_->function->placeholderCount) return;
    const Template& function = *draft_->function;
    int arg = function.placeholders[static_cast<std::size_t>(position)].argIndex;
    if (arg < 0 || arg >= function.argCount) return;
    auto slot = static_cast<std::size_t>(arg);
    const std::string& group = function.argGroup[slot];
    ArgKind kind = group == "missions" ? KindGroup : function.argKind[slot];
    position_ = position;
    dynamicGroup_ = false;
    namesInUse_.reset();
    switch (kind) {
        case KindGroup: EditGroupItem(position, arg, group); break;
        case KindChInt: EditInteger(position, arg); break;
        case KindGroupNumber: EditSpecial(position, arg, group); break;
        case KindConst: return;  // a constant has nothing to choose
    }
    namesInUse_.reset();
    ShowDraft();
}

void ArgumentEditing::EditGroupItem(int position, int arg, const std::string& group) {
    ObjectGroups& groups = scenario_.objectGroups;
    group_ = group;
    uses_.reset();
    bool exists = groups.FindGroup(group) >= 0;
    bool renamable = exists && SavesItemNames(group);
    int listNumber = renamable ? kRenameList : kGroupList;
    int dialogNumber = renamable ? kRenameDialog : kGroupDialog;
    Control* list = At(listNumber);
    if (Control* renameList = At(kRenameList)) renameList->Notify(kListNormal);
    auto slot = static_cast<std::size_t>(arg);
    dynamicGroup_ = group == "dyngroups";
    std::vector<std::string> items;
    if (group == "groups") {
        items = Items(groups.GetGroup("groups"));
        const StringList& dynGroups = groups.GetGroup("dyngroups");
        items.insert(items.end(), dynGroups.begin(), dynGroups.end());
        dynamicGroup_ = true;
        namesInUse_ = Items(dynGroups);
    } else if (group == "blocks") {
        for (const auto& trigger : scenario_.triggers) items.push_back(trigger->text);
    } else if (exists) {
        items = Items(groups.GetGroup(group));
        namesInUse_ = items;
    }
    if (group == "players" && list) list->Notify(kListSwatches);
    if (list) {
        list->SetItems(items);
        // A lost zone or group has no item to show as chosen.
        list->SetSelection(draft_->IsFilled(position) && !draft_->IsLost(arg) ? draft_->args[slot] : -1);
    }
    if (!ShowDialog(dialogNumber, "txtSelect") || !list) return;
    int chosen = list->GetSelection();
    // OK with nothing chosen keeps the value, as Cancel does.
    if (chosen < 0 || chosen >= static_cast<int>(items.size())) return;
    draft_->SetArg(scenario_, arg, chosen);
    draft_->SetFilled(position);
}

void ArgumentEditing::EditInteger(int position, int arg) {
    Control* edit = At(kNumberEdit);
    if (edit) edit->SetText(draft_->IsFilled(position) ? std::to_string(draft_->args[static_cast<std::size_t>(arg)]) : "");
    if (!ShowDialog(kNumberDialog, "txtEnterInt") || !edit) return;
    draft_->SetArg(scenario_, arg, WholeNumber(edit->GetText()).value_or(0));
    draft_->SetFilled(position);
}

std::string ArgumentEditing::ValidateNumber(std::string_view text) {
    if (!draft_ || !draft_->function) return {};
    return draft_->function->ValidateInteger(position_, text);
}

void ArgumentEditing::EditSpecial(int position, int arg, const std::string& group) {
    auto slot = static_cast<std::size_t>(arg);
    bool filled = draft_->IsFilled(position);
    std::int32_t& value = draft_->args[slot];
    const UnitLists& lists = scenario_.lists;
    if (group == "pages") {
        EditPage(position);  // marks the argument filled only when the page was taken
        return;
    }
    if (group == "direction") {
        exchange_.first = filled ? value : 0;
        if (!ShowDialog(kDirectionDialog, "txtSelectDirection")) return;
        value = exchange_.first;
    } else if (group == "friends") {
        if (draft_->argCount < 3) return;
        exchange_.first = filled ? draft_->args[1] : 0;
        exchange_.second = filled ? draft_->args[2] : 0;
        if (!ShowDialog(kFriendsDialog, "txtAlliances")) return;
        draft_->args[1] = exchange_.first;
        draft_->args[2] = exchange_.second;
    } else if (group == "formations") {
        Control* list = At(kFormationList);
        if (list) {
            std::vector<std::string> names;
            for (const Formation& formation : lists.formations) names.push_back(formation.name);
            list->SetItems(names);
            list->SetSelection(filled ? value : -1);
        }
        if (!ShowDialog(kFormationDialog, "txtFormation") || !list) return;
        int chosen = list->GetSelection();
        if (!lists.FormationAt(chosen)) return;
        value = chosen;
    } else if (group == "unittypes") {
        Control* tree = At(kUnitTypeTree);
        if (tree) {
            tree->SetTree(lists.UnitChooserTree());
            bool known = filled && lists.UnitTypeAt(value);
            tree->SetTreePath(known ? TreePath{PackedByte(value, 0), PackedByte(value, 1), -1, -1, -1, -1, -1, -1}
                                    : kNoTreePath);
        }
        if (!ShowDialog(kUnitTypeDialog, "txtUnitType") || !tree) return;
        TreePath path = tree->GetTreePath();
        if (PathDepth(path) != 2) return;  // a category is no unit type
        value = Packed(path[0], path[1], 255);
    } else if (group == "upgrades") {
        Control* tree = At(kUpgradeTree);
        if (tree) {
            tree->SetTree(lists.UpgradeChooserTree());
            bool known = filled && lists.UpgradeAt(value);
            tree->SetTreePath(known ? TreePath{PackedByte(value, 0), PackedByte(value, 1), PackedByte(value, 2), -1,
                                               -1, -1, -1, -1}
                                    : kNoTreePath);
        }
        if (!ShowDialog(kUpgradeDialog, "txtSelUpgrade") || !tree) return;
        TreePath path = tree->GetTreePath();
        if (PathDepth(path) != 3) return;
        value = Packed(path[0], path[1], path[2]);
    } else {
        return;
    }
    draft_->SetFilled(position);
}

void ArgumentEditing::EditPage(int position) {
    bool filled = draft_->IsFilled(position);
    PageRecord record = filled && draft_->page ? *draft_->page : PageRecord{};
    exchange_.pageFile = filled ? record.picture : std::string();
    exchange_.pageNumber = filled ? record.number : -1;
    Control* text = At(kPageText);
    if (text) text->SetText(filled ? record.body : std::string());
    if (!ShowDialog(kPageDialog, "txtEdMessage")) return;
    record.picture = exchange_.pageFile;
    record.missing = false;
    record.number = std::max(exchange_.pageNumber, 0);  // a page shows a picture, the first when none was chosen
    if (text) record.body = text->GetText();
    draft_->page = std::make_unique<PageRecord>(std::move(record));
    draft_->SetFilled(position);
}

std::string ArgumentEditing::ValidatePageText(std::string_view text) { return WhyPageCannotCarry(text); }

const Formation* ArgumentEditing::FormationAt(int position) { return scenario_.lists.FormationAt(position); }

std::string ArgumentEditing::ValidateName(std::string_view text) {
    if (std::string why = WhyNoFileCanCarry(text); !why.empty()) return why;
    if (!namesInUse_) return {};
    const ObjectGroups& groups = scenario_.objectGroups;
    if (text.find_first_not_of(' ') == std::string_view::npos) return "A name cannot be empty.";
    if (dynamicGroup_) {
        std::string stored = StoredDynGroupName(text);
        if (std::string why = WhyScriptCannotCarry(stored); !why.empty()) return why;
        for (const char* group : {"dyngroups", "zones", "groups"})
            if (groups.GetGroup(group).IndexOf(stored) >= 0)
                return "The name " + stored + " is in use.";
        return {};
    }
    for (const std::string& name : *namesInUse_)
        if (name == text) return "The name " + std::string(text) + " is in use.";
    // A dynamic group is known both by its typed and its stored name.
    if (groups.DynGroupNameFor(text) != text || groups.GetGroup("dyngroups").IndexOf(std::string(text)) >= 0)
        return "The name " + std::string(text) + " is in use by a group.";
    return {};
}

std::string ArgumentEditing::ValidateTrigger(std::string_view name, std::string_view times) {
    // The trigger's present name stays, even when the map has since got a
    // group of that name.
    if (name != exchange_.text)
        if (std::string why = ValidateName(name); !why.empty()) return why;
    std::optional<std::int32_t> count = WholeNumber(times);
    // A count read from a file stays as it is when it was not touched.
    if (!count || ((*count < 1 || *count > kMaxRepeatCount) && *count != exchange_.times))
        return "The repeat count is a whole number from 1 to " + std::to_string(kMaxRepeatCount) + ".";
    exchange_.times = *count;
    return {};
}

NamedThing ArgumentEditing::ThingOfItem(int item) const {
    if (!IsNamedGroup(group_) || item < 0) return {};
    if (group_ == "groups" && item >= MapGroupCount()) return NamedThing{"dyngroups", item - MapGroupCount()};
    return NamedThing{group_, item};
}

int ArgumentEditing::ItemOfThing(const NamedThing& thing) const {
    if (group_ == "groups" && thing.group == "dyngroups") return MapGroupCount() + thing.item;
    return thing.group == group_ ? thing.item : -1;
}

bool ArgumentEditing::ReplaceUses(const NamedThing& from, const NamedThing& to) {
    std::unique_ptr<EditStep> step = ReplaceUsesStep(scenario_, from, to);
    // A draft still being built has arguments not yet chosen, which name nothing.
    bool draftChanged = draft_ && draft_->AllFilled() && ReplaceInCommand(scenario_, *draft_, from, to);
    if (draftChanged) ShowDraft();
    if (!step) return draftChanged;
    step->Redo(scenario_);
    renames_.push_back(std::move(step));
    uses_.reset();
    return true;
}

std::vector<std::string> ArgumentEditing::UsesOfItem(int item) {
    if (!uses_) uses_.emplace(scenario_);
    std::vector<std::string> uses;
    for (const MissionPlace& use : uses_->Of(ThingOfItem(item))) uses.push_back(use.text);
    return uses;
}

void ArgumentEditing::Rename(int item) {
    if (!namesInUse_ || item < 0) return;
    ObjectGroups& groups = scenario_.objectGroups;
    bool mapAndDynamic = group_ == "groups";
    if (mapAndDynamic) {
        if (item < MapGroupCount()) return;
        item -= MapGroupCount();
    }
    if (item >= static_cast<int>(namesInUse_->size())) return;
    std::string name = (*namesInUse_)[static_cast<std::size_t>(item)];
    if (dynamicGroup_ && name.size() > 3 && name.ends_with("_Dyn")) name.resize(name.size() - 4);
    Control* edit = At(kStringEdit);
    if (!edit) return;
    edit->SetText(name);
    if (!ShowDialog(kStringDialog, "txtEnterString")) return;
    std::string typed = edit->GetText();
    if (dynamicGroup_) typed = StoredDynGroupName(typed);
    StringList& items = groups.GetGroup(mapAndDynamic ? "dyngroups" : group_);
    if (!items.Contains(item)) return;
    auto step = TextStep(&items[item], typed, TreeEffect::kAll);
    step->Redo(scenario_);
    renames_.push_back(std::move(step));
    uses_.reset();
    namesInUse_ = Items(items);
    std::vector<std::string> shown = *namesInUse_;
    if (mapAndDynamic) {
        shown = Items(groups.GetGroup("groups"));
        shown.insert(shown.end(), items.begin(), items.end());
    }
    if (Control* list = At(kRenameList)) {
        int selected = list->GetSelection();
        list->SetItems(shown);
        list->SetSelection(selected);
    }
}

bool ArgumentEditing::RenameAllowed(int item) {
    if (!SavesItemNames(group_)) return false;
    return group_ != "groups" || item >= MapGroupCount();
}

}  // namespace sced

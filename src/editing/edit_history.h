#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/tree_path.h"

namespace sced {

class Command;
class CommandSeq;
class Scenario;

// What the scenario tree must show anew after a change, and what it selects.
struct TreeEffect {
    enum Scope {
        kNothing,         // the tree stays as it is
        kTrigger,         // the node of one trigger
        kInsertTrigger,   // a trigger was put in at `trigger`
        kRemoveTrigger,   // the trigger at `trigger` was taken out
        kSwapTriggers,    // the triggers at `trigger` and `trigger` + 1 changed places
        kMoveTrigger,     // the trigger at `trigger` now stands at `other`
        kTwoTriggers,     // the nodes of the triggers `trigger` and `other`
        kInsertTriggers,  // `other` triggers were put in from `trigger` on
        kRemoveTriggers,  // `other` triggers from `trigger` on were taken out
        kAll,             // every node: names that every text may show changed
        kNodeTexts,       // the texts of the command nodes at `nodes`, nothing moved
    } scope = kNothing;
    int trigger = -1;
    int other = -1;
    std::optional<TreePath> select;  // nothing: the selection stays
    // Several items selected: `select` is the current one among them.
    std::vector<TreePath> selectAlso = {};
    std::vector<TreePath> nodes = {};  // of kNodeTexts, in tree order
};

// One change of the mission, recorded as what it changed. Steps are undone
// and redone strictly in order, so the lists and commands a step names are
// the ones it left behind.
class EditStep {
public:
    virtual ~EditStep() = default;
    virtual void Undo(Scenario& scenario) = 0;
    virtual void Redo(Scenario& scenario) = 0;
    // The tree's change after Redo (undone false) or Undo (undone true).
    virtual TreeEffect Effect(bool undone) const = 0;
};

class TriggerReferences;

// Where a list stands: the list itself, the path of its node in the tree
// (nothing for the trigger list) and the trigger that holds it (-1 for the
// trigger list); and the mission's calls that name triggers, which follow
// the commands that come and go (without them, a walk over the mission
// renumbers).
struct ListPlace {
    CommandSeq* list = nullptr;
    TreePath path = kNoTreePath;
    int trigger = -1;
    TriggerReferences* references = nullptr;
    bool isTriggerList() const { return trigger < 0; }
};

// The command is put into the list at the position (or taken out, when
// done and undone trade places). Triggers put in or taken out carry the
// "blocks" references along.
std::unique_ptr<EditStep> InsertStep(ListPlace place, int position, std::unique_ptr<Command> command);
std::unique_ptr<EditStep> RemoveStep(ListPlace place, int position);
// The commands are put into the list together from the position on (or
// taken out again), triggers renumbering the "blocks" references once.
std::unique_ptr<EditStep> InsertBlockStep(ListPlace place, int position, std::vector<std::unique_ptr<Command>> commands);
// The elements at the ascending positions are taken out together (and
// put back), triggers renumbering the "blocks" references once.
std::unique_ptr<EditStep> RemoveSeveralStep(ListPlace place, std::vector<int> positions);
// The element at the position is replaced by the command.
std::unique_ptr<EditStep> ReplaceStep(ListPlace place, int position, std::unique_ptr<Command> command);
// The elements at position and position + 1 change places; moved is the
// one of the two that the designer moved.
std::unique_ptr<EditStep> SwapStep(ListPlace place, int position, int moved);
// The command at `from` in its list moves to `to` in the same or another
// list (`to` counted after it was taken out); a trigger moved carries the
// "blocks" references along.
std::unique_ptr<EditStep> MoveStep(ListPlace from, int fromPosition, ListPlace to, int toPosition);
// A trigger's repeat count changes.
std::unique_ptr<EditStep> TimesStep(std::int32_t* target, std::int32_t times, int trigger);
// A text of the mission changes: a trigger's label, the title, the
// description, an item of a group. The texts shown change everywhere.
std::unique_ptr<EditStep> TextStep(std::string* target, std::string text, TreeEffect::Scope scope, int trigger = -1);
// The mission's picture changes.
std::unique_ptr<EditStep> PictureStep(std::optional<std::string>* target, std::optional<std::string> picture);
// Several steps as one.
std::unique_ptr<EditStep> CompoundStep(std::vector<std::unique_ptr<EditStep>> steps);
// The step, leaving the tree's selection on the items of `done` after it is
// done and on those of `undone` after it is undone (the first is current).
std::unique_ptr<EditStep> SelectingStep(std::unique_ptr<EditStep> step, std::vector<TreePath> done,
                                        std::vector<TreePath> undone);

// The undo and redo lists. The mission is modified exactly when the
// history stands elsewhere than where the mission was last saved or opened.
class EditHistory {
public:
    // Records a step that was just done; the redo list goes.
    void Push(std::unique_ptr<EditStep> step);
    // Null when there is nothing to undo (redo).
    EditStep* Undo(Scenario& scenario);
    EditStep* Redo(Scenario& scenario);
    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }

    void Clear();
    // Drops every step but keeps whether the mission is modified.
    void Forget();
    void MarkSaved() { saved_ = done_; }
    // No state of the history is what was saved: the mission came from
    // elsewhere than its files.
    void MarkUnsaved() { saved_.reset(); }
    bool Modified() const { return saved_ != done_; }

private:
    std::vector<std::unique_ptr<EditStep>> steps_;
    std::size_t done_ = 0;
    // Where the mission was saved; nothing when that state was dropped.
    std::optional<std::size_t> saved_ = 0;
};

}  // namespace sced

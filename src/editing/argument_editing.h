#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control_table.h"
#include "editing/edit_history.h"
#include "editing/where_used.h"

namespace sced {

class Scenario;
class TermCommand;

// The largest repeat count the trigger dialog takes.
inline constexpr std::int32_t kMaxRepeatCount = 999999;

// The editing of one command in the chooser and the editor dialogs: the
// command being built or edited (the draft), the dialog of each argument
// kind, the checks of typed names and numbers, and the renaming of group
// items. The dialogs reach it through the control table's events.
class ArgumentEditing : public ControlEvents {
public:
    explicit ArgumentEditing(Scenario& scenario);
    ~ArgumentEditing() override;

    // The chooser: its tree (control 23) gets the condition or action
    // functions, and the draft follows its selection.
    void StartChoosing(bool conditions, bool insideIfBlock);
    // The editor: the draft is the copy, every argument filled, shown in the
    // editor's sentence (control 30).
    void StartEditing(std::unique_ptr<TermCommand> copy);
    TermCommand* draft() const { return draft_.get(); }
    // Ends the chooser or editor: the draft, or nothing when there is none.
    std::unique_ptr<TermCommand> TakeDraft();

    // Renames of group items made while the chooser or editor was shown,
    // already done: the OK of that dialog takes them into its undo step, its
    // Cancel undoes them.
    std::vector<std::unique_ptr<EditStep>> TakeRenames();
    void RollBackRenames();

    // The thing the item of the group or rename dialog's list names; an
    // empty group when its items name no such things (units, formations).
    NamedThing ThingOfItem(int item) const;
    // The item of that list that names the thing; -1 when none does.
    int ItemOfThing(const NamedThing& thing) const;
    // Replace with... of that dialog: every use of `from` names `to`, done at
    // once and, like a rename, taken into the OK's undo step and undone by
    // Cancel; the command in the dialog follows. False when nothing changed.
    bool ReplaceUses(const NamedThing& from, const NamedThing& to);

    // What the string dialog refuses besides what no file can carry: the
    // names in use (nothing: any name), or no rule at all.
    void SetNamesInUse(std::optional<std::vector<std::string>> names);

    // The control events of the dialogs.
    DialogExchange& exchange() override { return exchange_; }
    void ArgumentClicked(int position) override;
    const Formation* FormationAt(int position) override;
    std::string ValidateName(std::string_view text) override;
    void ChooserSelectionChanged() override;
    void ChooserFilterChanged(std::string_view text) override;
    const Template* ChooserFunction(const TreePath& path) override;
    std::string ValidateNumber(std::string_view text) override;
    std::string ValidatePageText(std::string_view text) override;
    void Rename(int item) override;
    bool RenameAllowed(int item) override;
    std::string ValidateTrigger(std::string_view name, std::string_view times) override;
    std::vector<std::string> UsesOfItem(int item) override;

private:
    void EditGroupItem(int position, int arg, const std::string& group);
    void EditInteger(int position, int arg);
    void EditSpecial(int position, int arg, const std::string& group);
    void EditPage(int position);
    void ShowDraft();
    int MapGroupCount() const;

    Scenario& scenario_;
    DialogExchange exchange_;
    std::unique_ptr<TermCommand> draft_;
    bool conditions_ = false;
    bool insideIfBlock_ = false;
    std::string chooserFilter_;  // folded
    int sentenceControl_ = 0;   // the control that shows the draft

    // The argument being edited.
    int position_ = -1;
    std::string group_;
    bool dynamicGroup_ = false;
    std::optional<std::vector<std::string>> namesInUse_;
    // The uses the list's "Used by" shows, found once a list and again
    // after a rename.
    std::optional<UsesIndex> uses_;

    std::vector<std::unique_ptr<EditStep>> renames_;
};

}  // namespace sced

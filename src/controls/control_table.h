#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/tree_path.h"

namespace sced {

class Control;
struct Formation;
class Template;

// Control numbers that the editing operations use.
enum ControlNumber : int {
    kChooserSentence = 1,
    kUnitTypeDialog = 3,
    kFormationDialog = 4,
    kUpgradeDialog = 8,
    kFormationList = 9,
    kUnitTypeTree = 10,
    kUpgradeTree = 11,
    kGroupList = 14,
    kGroupDialog = 15,
    kScenarioTree = 18,
    kPropertiesDialog = 20,
    kStringDialog = 21,
    kStringEdit = 22,
    kChooserTree = 23,
    kChooserDialog = 24,
    kNumberEdit = 25,
    kNumberDialog = 26,
    kEditorSentence = 30,
    kEditorDialog = 31,
    kFriendsDialog = 32,
    kPageDialog = 36,
    kPageText = 39,
    kRenameDialog = 43,
    kRenameList = 44,
    kTriggerDialog = 48,
    kDirectionDialog = 60,
};

// What the editing operations and the dialogs hand each other besides the
// controls' own data, each in a field of its own type.
struct DialogExchange {
    std::string text;          // the string dialog's text
    std::int32_t first = 0;    // the direction; the alliances of players 0 to 3
    std::int32_t second = 0;   // the alliances of players 4 to 7
    std::string title;         // the properties dialog
    std::string description;
    // The bitmap file the properties dialog loaded; nothing when the picture stays.
    std::optional<std::string> picture;
    std::string pageFile;      // the page dialog: the picture file and its picture
    std::int32_t pageNumber = -1;
    // The trigger dialog: the trigger's name is `text`; its repeat count
    // (-1: the script has no TIMES line, shown as 1).
    std::int32_t times = 1;
};

// What the dialogs ask of the editing operations while they are shown.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    virtual DialogExchange& exchange() = 0;
    // The argument at the sentence position was clicked (chooser or editor).
    virtual void ArgumentClicked(int position) = 0;
    // The formation shown for a list position; null outside the list.
    virtual const Formation* FormationAt(int position) = 0;
    // Why the string dialog's text cannot be taken; "" when it can.
    virtual std::string ValidateName(std::string_view text) = 0;
    // The chooser's function tree selected another item.
    virtual void ChooserSelectionChanged() = 0;
    // The chooser's filter field holds the text (code page 1251): its tree
    // shows only the functions that hold it, with nothing chosen.
    virtual void ChooserFilterChanged(std::string_view) {}
    // The function at the path of the chooser's tree; null when none.
    virtual const Template* ChooserFunction(const TreePath&) { return nullptr; }
    // Why the number dialog's text cannot be taken; "" when it can.
    virtual std::string ValidateNumber(std::string_view text) = 0;
    // Why the page dialog's text cannot be taken; "" when it can (any text
    // unless the editing operations say otherwise).
    virtual std::string ValidatePageText(std::string_view) { return {}; }
    // Rename was pressed for the list item.
    virtual void Rename(int item) = 0;
    virtual bool RenameAllowed(int item) = 0;
    // Why the trigger dialog's name and repeat count cannot be taken; ""
    // when they can. The trigger's present name (the exchange's text) is
    // always taken. On "" the exchange holds the count taken.
    virtual std::string ValidateTrigger(std::string_view name, std::string_view times) = 0;
    // The commands that use the item of the list the group or rename dialog
    // shows, one "label: text" each.
    virtual std::vector<std::string> UsesOfItem(int item) = 0;
};

// The process-wide table of controls by number, through which the editing
// operations reach the windows (or the fakes that stand in for them) and
// the dialogs reach the editing operations. It owns nothing.
class ControlTable {
public:
    static constexpr int kSize = 64;

    static ControlTable& Instance();

    // A number outside 0..63 registers nothing.
    void Register(int number, Control* control);
    // Removes the control wherever it is registered.
    void Unregister(const Control* control);
    // Null for an empty number or one outside 0..63.
    Control* At(int number) const;
    // Shows the dialog of that number modally; whether the designer
    // accepted it (false when no dialog has the number).
    bool ShowModal(int number, std::string_view caption) const;

    void SetEvents(ControlEvents* events) { events_ = events; }
    // Null while no editing operations listen.
    ControlEvents* events() const { return events_; }

private:
    std::array<Control*, kSize> controls_{};
    ControlEvents* events_ = nullptr;
};

}  // namespace sced

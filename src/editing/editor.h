#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_stamp.h"
#include "editing/argument_editing.h"
#include "editing/change_trail.h"
#include "editing/clipboard.h"
#include "editing/edit_history.h"
#include "editing/selection.h"
#include "editing/trigger_references.h"
#include "editing/where_used.h"

namespace sced {

class Command;
class CommandBlock;
class Scenario;

// The editing operations of the main window over the scenario: the
// selection that follows the scenario tree (control 18), the commands of
// the buttons, menus and keys, and their undo. Dialogs are shown through
// the control table. Each operation returns whether it did anything; one
// whose preconditions do not hold does nothing.
class Editor {
public:
    explicit Editor(Scenario& scenario);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // The tree's selection changed: the selection follows it.
    void FollowTreeSelection();

    bool AddTrigger();
    bool AddCondition();
    bool AddAction();
    bool Modify();
    bool Delete();
    bool Copy();
    bool Paste();
    // The selected triggers or commands as script text (see script_text.h);
    // empty when nothing is selected.
    std::string SelectionText();
    // Pastes the script text after the selection, as Paste does; a text that
    // cannot be read, or holds what the selected list cannot take, warns
    // with the first problem and pastes nothing.
    bool PasteText(std::string_view text);
    bool Cut();
    bool Duplicate();
    bool MoveUp();
    bool MoveDown();
    // Drag and drop: the trigger or command at `from` goes onto `to`, with
    // the others selected beside it when it is selected. Onto an item it
    // takes the item's place; onto a list's node (CONDITION, ACTION, IF,
    // THEN, ELSE, "Always") it goes to the list's end. One undo step; false
    // when the drop is not accepted.
    bool MoveTo(const TreePath& from, const TreePath& to);
    // Whether the drop is accepted: the rules of Paste (a condition only
    // among conditions, a trigger only among triggers, no IF block into THEN
    // or ELSE, a question only in an IF's conditions), nothing into itself.
    bool Accepts(const TreePath& from, const TreePath& to) const;
    bool MissionProperties();
    // Renames what the dump lists (title, description, objectives, trigger
    // labels, dynamic groups, switches, timers, players), as one undo step.
    bool ImportDump(std::string_view dump);
    // Every use of `from` becomes a use of `to` where the argument takes it
    // (CommandsReplaced says in how many commands), one undo step.
    bool ReplaceUses(const NamedThing& from, const NamedThing& to);
    bool Undo();
    bool Redo();

    // New on the map: a fresh mission named after it. False when the map
    // cannot be read: the open mission, its name and its zones stay exactly
    // as they were.
    bool StartFresh(std::string_view mapPath);
    // Open the mission of the map. False, with nothing changed, when its map
    // cannot be read.
    bool Open(std::string_view mapPath);
    // Opens the mission of the recovery copy in the folder with the copy's
    // work in it, marked modified (nothing on disk holds it). Raises with the
    // reason when the copy is damaged or its map cannot be read; the open
    // mission then stays as it was.
    void OpenRecovered(const std::filesystem::path& folder);
    // Close: no mission is open afterwards.
    void Close();
    // Saves the open mission; the paths of the files written.
    std::vector<std::filesystem::path> Save();
    // The whole tree is handed to the tree control anew.
    void RebuildTree();
    // The editor became active again: the map is read again when its size or
    // modification time changed since it was last read (one status call
    // when it did not). A map that cannot be read, or holds more zones or
    // groups than a mission can name, warns once and changes nothing. When
    // its zones or groups changed, the tree is shown anew and the undo steps
    // go, since the commands they hold name zones and groups by position.
    void RefreshFromMap();

    // The enabling rule's questions.
    bool IsOpen() const;
    bool HasSelectedElement() const;
    bool HasCurrentList() const { return selection_.list != nullptr; }
    // Whether more than one element is selected.
    bool HasSeveralSelected() const { return selection_.indices.size() > 1; }
    bool CanMoveUp() const;
    bool CanMoveDown() const;
    bool CanPaste() const;
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    int TriggerCount() const;
    bool IsModified() const;
    // Counts the changes of what the mission holds: every edit, undo and
    // redo, opening, closing and a map read again with other names. What
    // was found in the mission is out of date when it moved on.
    std::uint64_t changes() const { return trail_.count(); }
    // Which triggers the changes touched.
    const ChangeTrail& trail() const { return trail_; }

    const Selection& selection() const { return selection_; }
    // The selection a tree path makes (the tree's selection stays).
    Selection SelectionAt(const TreePath& path) const;
    Scenario& scenario() { return scenario_; }
    ArgumentEditing& arguments() { return arguments_; }

private:
    CommandBlock* CurrentTrigger() const;
    ListPlace PlaceOfSelection();
    ListPlace PlaceOf(const Selection& selection);
    // The place of the selection's list as the tree shows it now: an IF
    // block's lists follow their block when it moves.
    ListPlace PlaceNow(const Selection& selection);
    std::vector<const Command*> SelectedCommands() const;
    // The tree paths of the selected elements, the current one first.
    std::vector<TreePath> SelectedPaths() const;
    // Whether a drag from there carries the several items selected.
    bool CarriesSelection(const TreePath& from) const;
    // Whether the command at `from` and those selected beside it may go onto `to`.
    bool AcceptsSelected(const Selection& source, const Selection& target) const;
    bool MoveSelectedTo(const Selection& target);
    bool InsertPasted(std::vector<std::unique_ptr<Command>> commands);
    int PastePosition() const;
    // Whether the command, from a list of the kind, may stand in the list
    // of the selection: the rules of Paste and of a drop.
    static bool FitsIn(const Command& command, ListKind from, const Selection& here);
    // Does the step, records it, and shows its effect.
    void Apply(std::unique_ptr<EditStep> step);
    // The renames that a dialog already did, with the step its OK makes
    // (none: only the renames), recorded as one step.
    void ApplyAfterRenames(std::unique_ptr<EditStep> step);
    // Records a step already done and shows its effect.
    void Record(std::unique_ptr<EditStep> step);
    void Show(const TreeEffect& effect);
    // After an undo or redo of the step (none: nothing was done).
    bool Shown(const EditStep* step, bool undone);
    void ResetSelection();
    void AfterOpening();
    // Notes the open map's file and its stamp, as read or written now.
    void NoteMapStamp();
    bool AddCommand(bool conditions);
    bool ModifyTrigger();
    bool PasteAt(std::vector<std::unique_ptr<EditStep>>& steps);
    std::string NewTriggerName(const std::string& base) const;
    class FreeNames;

    Scenario& scenario_;
    TriggerReferences references_;
    Selection selection_;
    EditHistory history_;
    Clipboard clipboard_;
    ArgumentEditing arguments_;
    ChangeTrail trail_;
    std::filesystem::path mapFile_;
    std::optional<FileStamp> mapStamp_;
};

}  // namespace sced

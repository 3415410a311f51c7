#include "editing/main_commands.h"

#include "editing/editor.h"

namespace sced {

namespace {
constexpr MainCommand kSeparator = MainCommand{0};
}  // namespace

const std::vector<MainCommandEntry>& MainCommands() {
    using C = MainCommand;
    // Shift+Ins adds a condition and Ctrl+Ins an action, as the game's own
    // editor always did; Qt shows the keys that really work.
    static const std::vector<MainCommandEntry> commands = {
        {C::kNew, "&File", "&New...", {"Ctrl+N"}, ""},
        {C::kOpen, "&File", "&Open...", {"Ctrl+O"}, ""},
        {C::kClose, "&File", "&Close", {}, ""},
        {kSeparator, "&File", "", {}, ""},
        {C::kSave, "&File", "&Save", {"Ctrl+S"}, ""},
        {C::kPrint, "&File", "&Print to File...", {"Ctrl+F"}, ""},
        {C::kCompare, "&File", "Co&mpare with...", {}, ""},
        {kSeparator, "&File", "", {}, ""},
        {C::kDeleteMission, "&File", "&Delete...", {"Ctrl+D"}, ""},
        {kSeparator, "&File", "", {}, ""},
        {C::kExit, "&File", "E&xit", {}, ""},
        {C::kUndo, "&Edit", "&Undo", {"Ctrl+Z"}, ""},
        {C::kRedo, "&Edit", "&Redo", {"Ctrl+Y", "Ctrl+Shift+Z"}, ""},
        {kSeparator, "&Edit", "", {}, ""},
        {C::kCut, "&Edit", "Cu&t", {"Ctrl+X"}, ""},
        {C::kCopy, "&Edit", "&Copy", {"Ctrl+C"}, ""},
        {C::kPaste, "&Edit", "&Paste", {"Ctrl+V"}, ""},
        {C::kDuplicate, "&Edit", "D&uplicate", {}, "txtDuplicate"},
        {C::kDelete, "&Edit", "&Delete", {"Del"}, "txtDel"},
        {kSeparator, "&Edit", "", {}, ""},
        {C::kAddTrigger, "&Edit", "Add &Trigger", {"Ins"}, "txtNewTrigg"},
        {C::kAddCondition, "&Edit", "Add C&ondition...", {"Shift+Ins"}, "txtAddCondition"},
        {C::kAddAction, "&Edit", "Add &Action...", {"Ctrl+Ins"}, "txtAddAction"},
        {kSeparator, "&Edit", "", {}, ""},
        {C::kModify, "&Edit", "&Modify...", {"Return", "Enter", "Ctrl+Left", "Ctrl+Right"}, "txtModify"},
        {kSeparator, "&Edit", "", {}, ""},
        {C::kMoveUp, "&Edit", "Move &Up", {"Ctrl+Up"}, "txtUp"},
        {C::kMoveDown, "&Edit", "Move Do&wn", {"Ctrl+Down"}, "txtDown"},
        {kSeparator, "&Edit", "", {}, ""},
        {C::kFind, "&Edit", "&Find...", {"Ctrl+Shift+F"}, ""},
        {C::kWhereUsed, "&Edit", "W&here Used", {"Ctrl+U"}, ""},
        {C::kFindNext, "", "Find next", {"F3"}, ""},
        {C::kFindPrevious, "", "Find previous", {"Shift+F3"}, ""},
        {C::kScript, "&View", "&Script", {"F6"}, ""},
        {C::kPlay, "&Scenario", "&Play The Mission...", {"F9"}, ""},
        {C::kMapEditor, "&Scenario", "&Go To Map Editor...", {"F4"}, ""},
        {kSeparator, "&Scenario", "", {}, ""},
        {C::kProperties, "&Scenario", "P&roperties...", {"Ctrl+P"}, ""},
        {C::kCheck, "&Scenario", "&Check", {"Ctrl+Shift+C"}, ""},
        {C::kExportDump, "", "Export the dump...", {"Ctrl+Shift+D"}, ""},
        {C::kImportDump, "", "Import a dump...", {"Ctrl+Shift+U"}, ""},
        {C::kAbout, "&Help", "&About...", {}, ""},
    };
    return commands;
}

bool IsEnabled(const Editor& editor, MainCommand command) {
    using C = MainCommand;
    bool open = editor.IsOpen();
    switch (command) {
        case C::kClose:
        case C::kPrint:
        case C::kCompare:
        case C::kSave:
        case C::kAddTrigger:
        case C::kPlay:
        case C::kProperties:
        case C::kExportDump:
        case C::kImportDump:
        case C::kFind:
        case C::kFindNext:
        case C::kFindPrevious:
        case C::kCheck: return open;
        case C::kWhereUsed: return editor.HasSelectedElement();
        case C::kScript: return true;
        case C::kMoveUp: return editor.CanMoveUp();
        case C::kMoveDown: return editor.CanMoveDown();
        case C::kModify:
        case C::kCut:
        case C::kCopy:
        case C::kDelete:
        case C::kDuplicate: return editor.HasSelectedElement();
        case C::kPaste: return open && editor.HasCurrentList();
        case C::kAddCondition:
        case C::kAddAction: return open && editor.selection().trigger >= 0 && editor.TriggerCount() > 0;
        case C::kUndo: return editor.CanUndo();
        case C::kRedo: return editor.CanRedo();
        case C::kNew:
        case C::kOpen:
        case C::kDeleteMission:
        case C::kExit:
        case C::kMapEditor:
        case C::kAbout: return true;
    }
    return false;
}

}  // namespace sced

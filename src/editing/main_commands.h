#pragma once

#include <string_view>
#include <vector>

namespace sced {

class Editor;

// The commands of the main window, by the ids of its menus and buttons.
enum class MainCommand : int {
    kNew = 32779,
    kOpen = 32780,
    kClose = 57602,
    kSave = 32773,
    kPrint = 32808,
    kDeleteMission = 32807,
    kExit = 32771,
    kExportDump = 32809,
    kImportDump = 32810,
    kUndo = 57643,
    kRedo = 57644,
    kCut = 57635,
    kCopy = 57634,
    kPaste = 57637,
    kDuplicate = 1053,
    kDelete = 32787,
    kAddTrigger = 32801,
    kAddCondition = 32802,
    kAddAction = 32803,
    kModify = 32788,
    kMoveUp = 32790,
    kMoveDown = 32791,
    kPlay = 32776,
    kMapEditor = 32777,
    kProperties = 32782,
    kAbout = 32772,
    kFind = 32811,
    kFindNext = 32812,
    kFindPrevious = 32813,
    kWhereUsed = 32814,
    kCheck = 32815,
    kScript = 32816,
    kCompare = 32817,
};

// One command as the windows offer it: the menu it stands in ("" for none),
// its label there, the keys that run it in Qt's portable notation (the
// first is the one shown), and the string-table key of its button ("" for
// none).
struct MainCommandEntry {
    MainCommand command;
    std::string_view menu;
    std::string_view label;
    std::vector<std::string_view> keys;
    std::string_view buttonKey;
};

// Every command, menu by menu in the order of the menu bar; a separator
// in a menu is an entry with an empty label.
const std::vector<MainCommandEntry>& MainCommands();

// The enabling rule: whether the command can run now.
bool IsEnabled(const Editor& editor, MainCommand command);

}  // namespace sced

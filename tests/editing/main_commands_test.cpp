#include <gtest/gtest.h>

#include <set>

#include "controls/control.h"
#include "controls/control_table.h"
#include "core/string_table.h"
#include "editing/editor.h"
#include "editing/main_commands.h"
#include "model/scenario.h"
#include "support/game_folder.h"

namespace sced {
namespace {

// What each key runs is the main window test's, pressing them.
TEST(MainCommands, EveryKeyRunsOneCommand) {
    std::set<std::string_view> keys;
    for (const MainCommandEntry& entry : MainCommands())
        for (std::string_view key : entry.keys) EXPECT_TRUE(keys.insert(key).second) << key;
}

TEST(MainCommands, TheEnablingRuleFollowsTheSelection) {
    test::TempGameFolder folder;
    StringTable::Instance().Load(folder.path());
    Scenario scenario(folder.path());
    TreeCtrl tree;
    ControlTable::Instance().Register(kScenarioTree, &tree);
    Editor editor(scenario);
    using C = MainCommand;
    auto enabled = [&] {
        std::set<C> on;
        for (const MainCommandEntry& entry : MainCommands())
            if (entry.command != C{0} && IsEnabled(editor, entry.command)) on.insert(entry.command);
        return on;
    };
    const std::set<C> always = {C::kNew, C::kOpen, C::kDeleteMission, C::kExit, C::kMapEditor, C::kAbout, C::kScript};
    EXPECT_EQ(enabled(), always) << "no mission open";

    ASSERT_TRUE(editor.Open("Maps\\Valley.m3d"));
    const std::set<C> open = {C::kClose, C::kSave, C::kPrint, C::kAddTrigger, C::kPlay, C::kProperties,
                              C::kExportDump, C::kImportDump, C::kFind, C::kFindNext, C::kFindPrevious, C::kCheck,
                              C::kCompare};
    auto with = [&](std::initializer_list<C> more) {
        std::set<C> all = always;
        all.insert(open.begin(), open.end());
        all.insert(more);
        return all;
    };
    struct Case {
        TreePath path;
        std::set<C> expected;
    };
    const Case cases[] = {
        // The first trigger: it can only go down.
        {{0, -1, -1, -1, -1, -1, -1, -1},
         with({C::kModify, C::kCut, C::kCopy, C::kDelete, C::kDuplicate, C::kPaste, C::kMoveDown, C::kAddCondition,
               C::kAddAction, C::kWhereUsed})},
        // The actions' node: a list, no element.
        {{1, 1, -1, -1, -1, -1, -1, -1}, with({C::kPaste, C::kAddCondition, C::kAddAction})},
        // The "Always" node of an empty condition list.
        {{5, 0, 0, -1, -1, -1, -1, -1}, with({C::kPaste, C::kAddCondition, C::kAddAction})},
    };
    for (const Case& c : cases) {
        tree.Select(c.path);
        editor.FollowTreeSelection();
        EXPECT_EQ(enabled(), c.expected) << "at " << c.path[0] << " " << c.path[1] << " " << c.path[2];
    }
    tree.Select({0, 1, 0, -1, -1, -1, -1, -1});
    editor.FollowTreeSelection();
    ASSERT_TRUE(editor.MoveDown());
    EXPECT_TRUE(IsEnabled(editor, C::kUndo));
    EXPECT_FALSE(IsEnabled(editor, C::kRedo));
    ASSERT_TRUE(editor.Undo());
    EXPECT_TRUE(IsEnabled(editor, C::kRedo));
}

}  // namespace
}  // namespace sced

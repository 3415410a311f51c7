#include <gtest/gtest.h>

#include "model/argument_text.h"
#include "support/demo_scenario.h"
#include "support/raised.h"

namespace sced {
namespace {

std::vector<std::unique_ptr<Command>> List(std::unique_ptr<Command> a = nullptr,
                                           std::unique_ptr<Command> b = nullptr) {
    std::vector<std::unique_ptr<Command>> list;
    if (a) list.push_back(std::move(a));
    if (b) list.push_back(std::move(b));
    return list;
}

std::unique_ptr<IfBlock> If(test::DemoScenario& demo) {
    auto ifBlock = std::make_unique<IfBlock>();
    ifBlock->conditions.list.Append(demo.Call("SwitchIsOn", {2}, FormCall));
    ifBlock->thenCommands.Append(demo.Call("MoveGroup", {0, 1}));
    ifBlock->elseCommands.Append(demo.Call("RunTimer", {1, 5}));
    ifBlock->UpdateText(*demo);
    return ifBlock;
}

TEST(CommandTree, ClonesAreIndependentAndKeepWhatTheTriggerIs) {
    test::DemoScenario demo;
    auto trigger = demo.Trigger("Ambush", List(demo.Call("GroupIsDead", {1})), List(If(demo)));
    trigger->times = 5;
    auto clone = trigger->Clone();
    auto& copy = dynamic_cast<CommandBlock&>(*clone);
    EXPECT_EQ(copy.text, "Ambush");
    EXPECT_EQ(copy.times, 5);
    EXPECT_EQ(copy.conditions.text, trigger->conditions.text);

    // Changing the copy leaves the original alone, all the way down.
    auto& copiedIf = dynamic_cast<IfBlock&>(copy.actions.At(0));
    auto& copiedMove = dynamic_cast<TermCommand&>(copiedIf.thenCommands.At(0));
    EXPECT_EQ(copiedMove.argText[1], "Harbour");
    copiedMove.SetArg(*demo, 1, 2);
    copiedIf.elseCommands.Clear();
    auto& originalIf = dynamic_cast<IfBlock&>(trigger->actions.At(0));
    EXPECT_EQ(dynamic_cast<TermCommand&>(originalIf.thenCommands.At(0)).args[1], 1);
    EXPECT_EQ(originalIf.elseCommands.count(), 1);

    // A page goes with its call, as a copy of its own; a call without one stays without.
    auto page = demo.Call("ShowPageEx", {0});
    EXPECT_EQ(dynamic_cast<TermCommand&>(*page->Clone()).page, nullptr);
    dynamic_cast<TermCommand&>(*page).page = std::make_unique<PageRecord>(PageRecord{3, "Camp.gp", "Hold", false});
    auto pageClone = page->Clone();
    const auto& clonedPage = dynamic_cast<TermCommand&>(*pageClone).page;
    ASSERT_NE(clonedPage, nullptr);
    EXPECT_NE(clonedPage.get(), dynamic_cast<TermCommand&>(*page).page.get());
    EXPECT_EQ(*clonedPage, (PageRecord{3, "Camp.gp", "Hold", false}));
}

TEST(CommandTree, AssignCopiesOnlyWhatEachKindCopies) {
    test::DemoScenario demo;
    auto source = If(demo);
    IfBlock target;
    target.thenCommands.Append(demo.Call("RunTimer", {0, 1}));
    target.Assign(*source);
    EXPECT_EQ(target.conditions.list.count(), 1);
    EXPECT_EQ(target.thenCommands.count(), 1);
    EXPECT_EQ(dynamic_cast<TermCommand&>(target.thenCommands.At(0)).function, &demo.Function("MoveGroup"));
    source->thenCommands.Clear();
    EXPECT_EQ(target.thenCommands.count(), 1);

    auto call = demo.Call("RunTimer", {3, 9});
    TermCommand other;
    other.Assign(*call);
    EXPECT_EQ(other.function, nullptr);
    EXPECT_EQ(other.argCount, 0);
    auto withPage = demo.Call("ShowPageEx", {0});
    withPage->page = std::make_unique<PageRecord>(PageRecord{3, "p.gp", "body"});
    other.AssignPage(*withPage);
    withPage->page->body = "changed";
    EXPECT_EQ(other.page->body, "body");
}

TEST(CommandTree, SequencesRefuseBadPositionsAndCountArguments) {
    CommandSeq sequence;
    sequence.Append(std::make_unique<CommandBlock>());
    EXPECT_EQ(test::Raised([&] { sequence.Remove(1); }), "List index when deleting is out of bounds.");
    EXPECT_EQ(test::Raised([&] { sequence.Unlink(-1); }), "List index when deleting is out of bounds.");
    EXPECT_EQ(test::Raised([&] { sequence.Insert(2, std::make_unique<CommandBlock>()); }),
              "Cannot insert element to the list.");
    sequence.Insert(0, std::make_unique<IfBlock>());
    EXPECT_EQ(sequence.At(0).kind, kIfBlockCommand);
    std::unique_ptr<Command> taken = sequence.Unlink(1);
    EXPECT_EQ(taken->kind, kBlockCommand);
    EXPECT_EQ(sequence.count(), 1);

    TermCommand call;
    for (int i = 0; i < 8; ++i) call.AddArg(i);
    EXPECT_EQ(test::Raised([&] { call.AddArg(8); }), "TermCommand::AddArg - Can't add extra argument to command.");
}

TEST(CommandTree, MapReferencesFollowTheirNames) {
    test::DemoScenario demo;
    auto trigger = demo.Trigger(
        "Moves", List(demo.Call("GroupIsDead", {1})),  // Convoy
        List(demo.Call("MoveGroup", {2, 0}),            // Patrol to North gate
             demo.Call("MoveGroup", {3 + 4, 2})));      // DynGroup4 to Hill
    trigger->actions.Append(If(demo));
    trigger->actions.Append(demo.Call("RemoveDynGroup", {5}));
    demo->triggers.Append(std::move(trigger));

    // The map editor renames nothing but reorders the zones and groups, and
    // adds a group in front.
    StringList& zones = demo->objectGroups.GetGroup("zones");
    zones.Clear();
    for (const char* zone : {"Hill", "North gate", "Harbour"}) zones.Add(zone);
    StringList& groups = demo->objectGroups.GetGroup("groups");
    groups.Clear();
    for (const char* group : {"Scouts", "Patrol", "Guards", "Convoy"}) groups.Add(group);
    demo->CheckMapReferences();

    auto& kept = dynamic_cast<CommandBlock&>(demo->triggers.At(0));
    ASSERT_EQ(kept.actions.count(), 4);
    EXPECT_EQ(dynamic_cast<TermCommand&>(kept.conditions.list.At(0)).args[0], 3);
    auto& move = dynamic_cast<TermCommand&>(kept.actions.At(0));
    EXPECT_EQ(move.args[0], 1);
    EXPECT_EQ(move.args[1], 1);
    auto& dynamic = dynamic_cast<TermCommand&>(kept.actions.At(1));
    EXPECT_EQ(dynamic.args[0], 4 + 4) << "still the fifth dynamic group";
    EXPECT_EQ(dynamic.args[1], 0);
    EXPECT_EQ(demo->objectGroups.mapGroupCount, 4);
    auto& removal = dynamic_cast<TermCommand&>(kept.actions.At(3));
    EXPECT_EQ(removal.args[0], 5) << "a dynamic group argument is a direct index, never moved";

    // Checking again without a change moves nothing.
    demo->CheckMapReferences();
    EXPECT_EQ(dynamic.args[0], 8);

    // Now the convoy and the hill are gone, and a zone takes the convoy's name:
    // the commands stay, with the names they had.
    groups.Clear();
    for (const char* group : {"Patrol", "Guards"}) groups.Add(group);
    zones.Clear();
    for (const char* zone : {"North gate", "Convoy"}) zones.Add(zone);
    EXPECT_EQ(demo->CheckMapReferences(), 3) << "the convoy's condition, the move to the hill, the if's harbour";
    ASSERT_EQ(kept.conditions.list.count(), 1);
    auto& dead = dynamic_cast<TermCommand&>(kept.conditions.list.At(0));
    EXPECT_TRUE(dead.IsLost(0));
    EXPECT_EQ(GetObjectString(*demo, dead, 0), "Convoy");
    ASSERT_EQ(kept.actions.count(), 4);
    EXPECT_EQ(dynamic_cast<TermCommand&>(kept.actions.At(0)).args[0], 0);
    EXPECT_FALSE(dynamic_cast<TermCommand&>(kept.actions.At(0)).IsLost(0));
}

TEST(CommandTree, BinaryRecordsReadBackWhole) {
    test::DemoScenario demo;
    auto show = demo.Call("ShowPageEx", {0});
    show->page = std::make_unique<PageRecord>(PageRecord{7, "brief.gp", "Welcome"});
    CommandSeq sequence;
    sequence.Append(demo.Trigger("First", List(demo.Call("Always", {})), List(If(demo), std::move(show))));
    sequence.Append(demo.Trigger("Second", {}, List(demo.Call("PreserveTrigger", {}))));
    dynamic_cast<CommandBlock&>(sequence.At(1)).times = -1;
    RecordWriter writer;
    sequence.WriteToFile(writer);

    RecordReader reader(writer.bytes(), demo->functions);
    CommandSeq copy;
    copy.ReadFromFile(reader);
    EXPECT_TRUE(reader.atEnd());
    RecordWriter again;
    copy.WriteToFile(again);
    EXPECT_EQ(again.bytes(), writer.bytes());
    auto& first = dynamic_cast<CommandBlock&>(copy.At(0));
    EXPECT_EQ(dynamic_cast<TermCommand&>(first.conditions.list.At(0)).function, &demo.Function("Always"));
    auto& page = dynamic_cast<TermCommand&>(first.actions.At(1));
    ASSERT_NE(page.page, nullptr);
    EXPECT_EQ(page.page->body, "Welcome");
    auto& move = dynamic_cast<TermCommand&>(dynamic_cast<IfBlock&>(first.actions.At(0)).thenCommands.At(0));
    EXPECT_EQ(move.argText[1], "Harbour");
    EXPECT_EQ(dynamic_cast<CommandBlock&>(copy.At(1)).times, -1);

    for (std::int32_t tag : {0, 4}) {
        RecordWriter bad;
        bad.Int(1);
        bad.Int(tag);
        RecordReader badReader(bad.bytes(), demo->functions);
        EXPECT_EQ(test::Raised([&] { copy.ReadFromFile(badReader); }),
                  "CommandSeq::ReadFromFile - Unknown command type");
    }
    std::string truncated = writer.bytes().substr(0, writer.bytes().size() - 3);
    RecordReader shortReader(truncated, demo->functions);
    EXPECT_EQ(test::Raised([&] { copy.ReadFromFile(shortReader); }),
              "CommandSeq::ReadFromFile - the record ends too early.");
}

}  // namespace
}  // namespace sced

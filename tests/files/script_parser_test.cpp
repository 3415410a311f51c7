#include <gtest/gtest.h>

#include "files/script_parser.h"
#include "files/script_writer.h"
#include "support/demo_scenario.h"
#include "support/game_folder.h"
#include "support/raised.h"

namespace sced {
namespace {

// A script with the triggers given (each "CONDITION ..." through its
// actions) and the name sections after the block.
std::string Script(const std::string& triggers, const std::string& after = "") {
    return "%----\r\n#DYNGROUPS\r\nRelief_Dyn\r\n#END\r\n\r\n#SCRIPT\r\n" + triggers + "#END\r\n\r\n" + after;
}

class ScriptParser : public ::testing::Test {
protected:
    CommandBlock& Parse(const std::string& text, int trigger = 0) {
        demo->scriptText = text;
        ParseScript(*demo);
        demo->triggers.UpdateText(*demo);
        return dynamic_cast<CommandBlock&>(demo->triggers.At(trigger));
    }
    TermCommand& Call(CommandSeq& list, int i) { return dynamic_cast<TermCommand&>(list.At(i)); }

    test::DemoScenario demo;
    test::WarningRecorder warnings;
};

TEST_F(ScriptParser, AlwaysWithABlankIsTheEmptyListAndWithoutItACall) {
    CommandBlock& empty = Parse(Script("CONDITION \t ALWAYS\r\n\r\nTIMES\t\t2\r\nACTION \t\t\r\n\r\n"));
    EXPECT_EQ(empty.conditions.list.count(), 0);
    EXPECT_EQ(empty.times, 2);
    CommandBlock& call = Parse(Script("CONDITION \tALWAYS AND SwitchIsOn( 3 )ACTION \t\t\r\n\r\n"));
    ASSERT_EQ(call.conditions.list.count(), 2);
    EXPECT_EQ(Call(call.conditions.list, 0).function, &demo.Function("Always"));
    EXPECT_EQ(call.times, -1) << "no TIMES line";
    EXPECT_EQ(call.text, "Trigger 1") << "a trigger without a label gets one";
    EXPECT_TRUE(warnings.texts.empty());
}

TEST_F(ScriptParser, KeywordsInsideNamesCutNothing) {
    StringList& zones = demo->objectGroups.GetGroup("zones");
    zones[0] = "CONDITION ACTION";
    zones[1] = "SCRIPT #END TIMES";
    CommandBlock& trigger = Parse(Script(
        "CONDITION \tGroupInZone( Convoy,CONDITION ACTION )ACTION \t\t\r\n"
        "\tMoveGroup( Patrol,SCRIPT #END TIMES ) \r\n\r\n"
        "%----\r\n"
        "CONDITION \t ALWAYS\r\nACTION \t\t\r\n\r\n"),
        0);
    EXPECT_EQ(demo->triggers.count(), 2);
    EXPECT_EQ(Call(trigger.conditions.list, 0).args[1], 0);
    EXPECT_EQ(Call(trigger.actions, 0).args[1], 1);
    EXPECT_EQ(Call(trigger.actions, 0).argText[1], "SCRIPT #END TIMES");
}

TEST_F(ScriptParser, NamesAreLookedUpInTheArgumentsOwnGroup) {
    demo->objectGroups.GetGroup("zones")[1] = "Convoy";  // a zone named like a group
    CommandBlock& trigger = Parse(Script(
        "CONDITION \tGroupIsDead( Convoy )ACTION \t\t\r\n"
        "\tMoveGroup( Relief_Dyn,Convoy ), \r\n\tRemoveDynGroup( Relief_Dyn ) \r\n\r\n"));
    EXPECT_EQ(Call(trigger.conditions.list, 0).args[0], 1);
    EXPECT_EQ(Call(trigger.actions, 0).args[0], 3 + 0) << "a dynamic group after the map's groups";
    EXPECT_EQ(Call(trigger.actions, 0).args[1], 1);
    EXPECT_EQ(Call(trigger.actions, 1).args[0], 0) << "a dynamic group argument is a direct index";
}

// The demo mission's own calls of every function, forms, questions and pages
// included, are read back by each designer script that shows its tree, and
// saved byte for byte by undo_all_valley; here what it does not hold.
TEST_F(ScriptParser, AQuotedNumberIsTheNumber) {
    CommandBlock& trigger = Parse(Script("CONDITION \t ALWAYS\r\nACTION \t\t\r\n"
                                         "\tInitialUpgradeEx( \"2\",\"Rifleman(A2)\" ) \r\n\r\n"));
    EXPECT_EQ(Call(trigger.actions, 0).args[0], 2);
    EXPECT_EQ(Call(trigger.actions, 0).args[1], 0 | 0 << 8 | 1 << 16);
}

// A zone or map group the map lacks is kept by its name, as a re-read of
// the map keeps it; any other name that names nothing leaves its command out.
TEST_F(ScriptParser, UnknownZonesAndGroupsAreKeptByNameOtherUnresolvedCommandsAreLeftOut) {
    Parse(Script("CONDITION \tGroupIsDead( Ghosts ) AND NoSuchTest( 1 ) AND SwitchIsOn( 2 )\r\nACTION \t\t\r\n"
                 "\tMoveGroup( Guards,Atlantis ), \r\n\tInitialUpgradeEx( \"0\",\"Nothing(Z9)\" ), \r\n"
                 "\tCreateObject0( Relief_Dyn,#Wedge,Bastion(AR),1,Lost Bay,2 ), \r\n\tSwitchOn( 1 ) \r\n\r\n",
                 "\r\n#TRIGGERS\r\nAmbush\r\n#END\r\n"));
    auto& trigger = dynamic_cast<CommandBlock&>(demo->triggers.At(0));
    ASSERT_EQ(trigger.conditions.list.count(), 2);
    ASSERT_EQ(trigger.actions.count(), 3);
    struct Kept {
        TermCommand& call;
        int arg;
        const char* name;
    };
    for (const Kept& kept : {Kept{Call(trigger.conditions.list, 0), 0, "Ghosts"}, Kept{Call(trigger.actions, 0), 1, "Atlantis"},
                             Kept{Call(trigger.actions, 1), 2, "Lost Bay"}}) {
        EXPECT_EQ(kept.call.lost, 1u << kept.arg) << kept.name;
        EXPECT_EQ(kept.call.argText[static_cast<std::size_t>(kept.arg)], kept.name);
        EXPECT_NE(kept.call.text.find(kept.name), std::string::npos) << kept.call.text;
    }
    const std::string written = BuildScript(*demo);
    for (const char* call : {"GroupIsDead( Ghosts )", "MoveGroup( Guards,Atlantis )", ",1,Lost Bay,2 )"})
        EXPECT_NE(written.find(call), std::string::npos) << call;
    ASSERT_EQ(demo->leftOut.size(), 2u);
    EXPECT_EQ(demo->leftOut[0].trigger, "Ambush");
    EXPECT_EQ(demo->leftOut[0].function, "NoSuchTest");
    EXPECT_EQ(demo->leftOut[1].name, "Nothing(Z9)");
    EXPECT_EQ(warnings.texts.size(), 2u) << "one for the commands left out, one for those kept";
}

// Name lines are read whole, and only an "#END" line ends their section.
TEST_F(ScriptParser, NameSectionsRenameWhatTheyList) {
    const std::string longName(3000, 'L');
    std::string timers = "\r\n#TIMERS\r\n";
    for (int i = 0; i < 40; ++i) timers += "Clock " + std::to_string(i) + "\r\n";
    Parse(Script("CONDITION \t ALWAYS\r\nACTION \t\t\r\n\r\nCONDITION \t ALWAYS\r\nACTION \t\t\r\n\r\n",
                 "\r\n#TRIGGERS\r\n" + longName + "\r\n#ENDING\r\nExtra\r\n#END\r\n\r\n#SWITCHES\r\n" + longName +
                     "\r\nBridge\r\n##END of it\r\n#END\r\n" + timers + "#END\r\n"));
    const ObjectGroups& groups = demo->objectGroups;
    EXPECT_EQ(groups.GetGroup("timers")[31], "Clock 31");
    EXPECT_EQ(groups.GetGroup("timers").count(), 32);
    EXPECT_EQ(groups.GetGroup("switches")[0], longName);
    EXPECT_EQ(groups.GetGroup("switches")[1], "Bridge");
    EXPECT_EQ(groups.GetGroup("switches")[2], "#END of it");
    EXPECT_EQ(groups.GetGroup("switches")[3], "Switch3");
    // Written back so that it reads back.
    EXPECT_NE(BuildScript(*demo).find("\nBridge\n##END of it\nSwitch3\n"), std::string::npos);
    EXPECT_EQ(groups.GetGroup("dyngroups")[0], "Relief_Dyn");
    EXPECT_EQ(demo->triggers.At(0).text, longName);
    EXPECT_EQ(demo->triggers.At(1).text, "ENDING");
}

TEST_F(ScriptParser, MissingScriptsReadNothingAndWarn) {
    demo->triggers.Append(demo.Trigger("old", {}, {}));
    demo->scriptText = "#SWITCHES\r\nRenamed\r\n#END\r\n";
    ParseScript(*demo);
    EXPECT_EQ(demo->triggers.count(), 0);
    EXPECT_EQ(demo->objectGroups.GetGroup("switches")[0], "Switch0");
    demo->scriptText.reset();
    ParseScript(*demo);
    EXPECT_EQ(warnings.texts.size(), 2u);
}

// The commands of a sequence as "Name", "IF{then}{else}", comma-separated.
std::string Shape(const CommandSeq& commands) {
    std::string out;
    for (const auto& command : commands) {
        if (!out.empty()) out += ",";
        if (const auto* ifBlock = dynamic_cast<const IfBlock*>(command.get()))
            out += "IF{" + Shape(ifBlock->thenCommands) + "}{" + Shape(ifBlock->elseCommands) + "}";
        else if (const auto* call = dynamic_cast<const TermCommand*>(command.get()))
            out += call->function->name;
    }
    return out;
}

std::string CrOnly(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at + 1, 1);
    return text;
}

TEST_F(ScriptParser, ActionsReadWhateverTheLineEndsAndBracketPlaces) {
    const std::string nested =
        "CONDITION \t ALWAYS\r\nACTION \t\t\r\n\tIF  ALWAYS\r\n\t[\r\n\t\tIF  ALWAYS\r\n\t[\r\n"
        "\t\tSwitchOn( 1 ) \r\n\t]\r\n, \r\n\t\tSwitchOn( 2 ) \r\n\t]\r\n\tELSE\r\n\t[\r\n\t\tSwitchOff( 3 ) \r\n\t] \r\n\r\n";
    const std::string inlined =
        "CONDITION \t ALWAYS\r\nACTION \t\t\r\n\tIF SwitchIsOn( 1 ) [ SwitchOn( 2 ), % a [ comment\r\n"
        "IF  ALWAYS [ MoveGroup( Guards ],Hill [2] ) ] ] ELSE [ SwitchOn( 4 ) ], SwitchOn( 5 ) \r\n\r\n";
    const std::string names =
        "CONDITION \t ALWAYS\r\nACTION \t\t\r\n\tIF GroupInZone( Guards ],Hill [2] )\r\n\t[\r\n"
        "\t\tIF  ALWAYS\r\n\t[\r\n\t\tMoveGroup( Guards ],Hill [2] ) \r\n\t]\r\n, \r\n"
        "\t\tSwitchOn( 1 ) \r\n\t]\r\n\tELSE\r\n\t[\r\n\t\tSwitchOff( 2 ) \r\n\t], \r\n\tSwitchOn( 9 ) \r\n\r\n";
    demo->objectGroups.GetGroup("zones")[2] = "Hill [2]";
    demo->objectGroups.GetGroup("groups")[0] = "Guards ]";
    struct Case {
        std::string script;
        std::string shape;
    };
    const Case cases[] = {
        {Script(nested), "IF{IF{SwitchOn}{},SwitchOn}{SwitchOff}"},
        {CrOnly(Script(nested)), "IF{IF{SwitchOn}{},SwitchOn}{SwitchOff}"},
        {Script(inlined), "IF{SwitchOn,IF{MoveGroup}{}}{SwitchOn},SwitchOn"},
        {CrOnly(Script(inlined)), "IF{SwitchOn,IF{MoveGroup}{}}{SwitchOn},SwitchOn"},
        {Script(names), "IF{IF{MoveGroup}{},SwitchOn}{SwitchOff},SwitchOn"},
    };
    for (const Case& c : cases) EXPECT_EQ(Shape(Parse(c.script).actions), c.shape) << c.script;
    EXPECT_TRUE(demo->leftOut.empty());
}

TEST_F(ScriptParser, ReadingOtherwiseThanWrittenIsListedAndWarnedOnce) {
    CommandBlock& first = Parse(Script("CONDITION \tTimerValue( 1 ) >= 9 AND SwitchIsOn( 1 ) AND TimerValue( 1 ) = 9\r\n"
                 "TIMES\t\tmany\r\nACTION \t\t\r\n"
                 "\tTotal=CountUnits( 1,Harbour ), \r\n\tVar4=CountUnits( 1,Harbour ) \r\n\r\n"
                 "CONDITION \tTimerValue( 1 ) < 9\r\nTIMES\t\t3 % thrice\r\nACTION \t\t\r\n\r\n",
                 "#TRIGGERS\r\nCount\r\n#END\r\n"));
    EXPECT_EQ(demo->readingChanges, (std::vector<std::string>{
                                        "Trigger \"Count\": the comparison >= is read as >.",
                                        "Trigger \"Count\": the comparison = is read as ==.",
                                        "Trigger \"Count\": the repeat count \"many\" is read as 0.",
                                        "Trigger \"Count\": the assignment to Total is read as Var0.",
                                    }));
    EXPECT_EQ(Call(first.conditions.list, 2).args[1], 0) << "==";
    EXPECT_EQ(warnings.texts.size(), 1u);
    auto& second = dynamic_cast<CommandBlock&>(demo->triggers.At(1));
    EXPECT_EQ(second.times, 3);
}

TEST_F(ScriptParser, MalformedScriptsStopWithTheirTexts) {
    auto error = [&](const std::string& actions) {
        return test::Raised([&] { Parse(Script("CONDITION \t ALWAYS\r\nACTION \t\t\r\n" + actions + "\r\n")); });
    };
    EXPECT_EQ(test::Raised([&] { Parse(Script("CONDITION \t ALWAYS\r\n")); }),
              "Script parsing error - action block not found.");
    EXPECT_EQ(error("\tIF  ALWAYS\r\n\tSwitchOn( 1 )"), "Script parsing error - incorrect IF, no open bracket.");
    EXPECT_EQ(error("\tIF  ALWAYS\r\n\t[\r\n\tSwitchOn( 1 )"),
              "Script parsing error - incorrect IF, no enclosing bracket.");
    EXPECT_EQ(error("\tIF  ALWAYS\r\n\t[\r\n\t]\r\n\tELSE SwitchOn( 1 )"), "Script parsing error - ELSE: no [.");
    EXPECT_EQ(error("\tIF  ALWAYS\r\n\t[\r\n\t]\r\n\tELSE\r\n\t[\r\n\tSwitchOn( 1 )"),
              "Script parsing error - ELSE: no ].");
    EXPECT_EQ(error("\t( 1 )"), "Script parsing error - no expected function ID.");
    EXPECT_EQ(error("\tNoSuchAction( 1 )"), "NoSuchAction : script command is not recognized.");
    EXPECT_EQ(error("\tV=SwitchOn( 1 )"), "SwitchOn : script command is not recognized.");
    EXPECT_EQ(error("\tSwitchOn( \"open )"), "Incorrect string value.");
    EXPECT_EQ(error("\tSwitchOn( ,1 )").substr(0, 60), "Scenario::ParseFunArg  - Incorrect argument representation i");
    EXPECT_EQ(error("\tRunTimer( 1,2,3,4,5,6,7,8,9 )"), "TermCommand::AddArg - Can't add extra argument to command.");
    EXPECT_EQ(error("\tCreateObject0( Nobody_Dyn,#Wedge,Bastion(AR),1,Hill,2 )"),
              "Undeclared dynamic group object in CreateObject.");
    EXPECT_EQ(error("\tCreateObject0( DynGroup1_Dyn,#Blob,Bastion(AR),1,Hill,2 )"),
              "Scenario::ParseCreateObject - Formation type not found.");
    EXPECT_EQ(error("\tEnableUnit( 0,Unknown(XX),1 )"), "Scenario::ParseUnitCommand - Unknown unit type");
    EXPECT_EQ(error("\tDisableUpgrade( 0,\"Rifleman(A1)\",3 )"),
              "Scenario::ParseUpgradeCommand - Incorrect arguments number");
    std::string deep;
    for (int i = 0; i < 100; ++i) deep += "\tIF  ALWAYS\r\n\t[\r\n";
    for (int i = 0; i < 100; ++i) deep += "\t]\r\n";
    EXPECT_EQ(error(deep), "Script parsing error - IF blocks are nested too deeply.");
    EXPECT_EQ(test::Raised([&] { Parse(Script("CONDITION \t3x\r\nACTION \t\t\r\n\r\n")); }),
              "Scenario::ParseStatement - incorrect funcID.");
}

}  // namespace
}  // namespace sced

#include <gtest/gtest.h>

#include "support/raised.h"

#include "core/editor_texts.h"
#include "core/string_table.h"
#include "support/game_folder.h"

namespace sced {
namespace {

TEST(StringTable, EntriesAreKeyBlanksAndTheRestOfTheLine) {
    StringTable table;
    table.LoadText(
        "txtBefore not loaded\n"
        "#STRINGS\n"
        "txtOK OK\n"
        "txtSpaced\t   inner  and trailing  \n"
        "txtAlone\n"
        "txtOK second wins not\n"
        "#hashed text\n"
        "txtQuoted \"kept\"\n"
        "#END\n"
        "txtAfter not loaded\n");
    EXPECT_EQ(table.Lookup("txtOK"), "OK");
    EXPECT_EQ(table.Lookup("txtSpaced"), "inner  and trailing  ");
    EXPECT_EQ(table.Lookup("txtAlone"), "");
    EXPECT_EQ(table.Lookup("hashed"), "text");
    EXPECT_EQ(table.Lookup("txtQuoted"), "\"kept\"");
    EXPECT_EQ(table.Lookup("txtBefore"), "");
    EXPECT_EQ(table.Lookup("txtAfter"), "");
    EXPECT_EQ(table.Lookup("txtok"), "");
    EXPECT_EQ(table.Lookup("txtMissing"), "");
    EXPECT_EQ(table.size(), 5u);
    table.LoadText("txtOK OK\n");
    EXPECT_EQ(table.size(), 0u) << "a file without the section is an empty table";
}

TEST(StringTable, BracketedUsesTheBraceTextsOfTheLoadedFile) {
    StringTable table;
    table.LoadText("#STRINGS\ntxtOpenBrace {\ntxtCloseBrace }\n");
    EXPECT_EQ(table.Bracketed("North gate"), "{North gate}");
    table.LoadText("#STRINGS\ntxtOpenBrace <<\ntxtCloseBrace >>\n");
    EXPECT_EQ(table.Bracketed("x"), "<<x>>");
}

TEST(StringTable, ALongLineEndsLoadingWithAnErrorNamingTheFile) {
    StringTable table;
    EXPECT_EQ(test::Raised([&] {
                  table.LoadText("#STRINGS\ntxtA a\ntxtLong " + std::string(1100, 'x') + "\ntxtB b\n");
              }),
              "Data\\str: a line of the #STRINGS section is longer than 1024 characters.");
}

TEST(StringTable, TheDemoFileHasEveryKeyTheEditorLooksUp) {
    StringTable table;
    table.Load(test::DemoGame());
    const char* keys[] = {
        "EnterTriggName", "txtACTION", "txtALWAYS", "txtAddAction", "txtAddCondition",
        "txtAllFriends", "txtAlliances", "txtAnd", "txtBetween", "txtByDefault", "txtCONDITION",
        "txtCancel", "txtCloseBrace", "txtCopyright", "txtDel", "txtDelScenario", "txtDistribute",
        "txtDown", "txtDuplicate", "txtDynGroup", "txtELSE", "txtEdMessage", "txtEnterInt",
        "txtEnterString", "txtEnterTriggName", "txtFormation", "txtGreater", "txtIF", "txtIfSmall",
        "txtIncorrectInteger", "txtLoadPic", "txtMapCorrupt", "txtMissDescr", "txtMissPic",
        "txtMissProp", "txtMissTitle", "txtMissionScript", "txtModCommand", "txtModify",
        "txtNewTrigg", "txtNoMapFile", "txtNoPicFile", "txtNoStartDat", "txtOK", "txtObjective",
        "txtOpenBrace", "txtOverwriteMap", "txtPlayer", "txtPleaseInt", "txtRename",
        "txtSaveScenario", "txtSaved", "txtScedTitle", "txtScenarioSaved", "txtSelMission",
        "txtSelUpgrade", "txtSelect", "txtSelectDirection", "txtSwitch", "txtTHEN", "txtTimer",
        "txtTotalWar", "txtTrigger", "txtUnitType", "txtUp", "txtUserMission", "txtVerCaption"};
    for (const char* key : keys) EXPECT_FALSE(table.Lookup(key).empty()) << key;
}

// The editor's own texts: the demo's table carries each in English, so a
// translator finds them all there; a table without one shows the English,
// and a translation may put the arguments in its own order.
TEST(StringTable, EditorTextsComeFromTheTableElseInEnglish) {
    StringTable& table = StringTable::Instance();
    table.Load(test::DemoGame());
    for (const EditorText& text : EditorTexts()) {
        EXPECT_TRUE(table.Has(text.key)) << text.key;
        EXPECT_EQ(Say(text, {"%1", "%2", "%3"}), text.english) << text.key;
    }
    table.LoadText("#STRINGS\ntxtScedFound %2 of %1\\nfound %9\n#END\n");
    EXPECT_EQ(Say(text::kFound, {"3", "5"}), "5 of 3\nfound %9");
    EXPECT_EQ(Say(text::kNoUses), text::kNoUses.english) << "a key the table lacks";
    table.Clear();
}

}  // namespace
}  // namespace sced

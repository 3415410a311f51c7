#include <gtest/gtest.h>

#include "declarations/declaration_files.h"
#include "support/raised.h"

namespace sced {
namespace {

const std::string kFunctions =
    "#FUNCTIONS\n"
    "RunTimer([timers]) \"Start <1 timer>\" \"Timer\"\n"
    "TimerValue([timers])[0..3][0..max] \"<1 t> <2 o> <3 v>\" \"Timer\"\n"
    "Twice() \"first\" \"T\"\n"
    "Twice() \"second\" \"T\"\n"
    "Hidden() \"never offered\" \"H\"\n"
    "#END\n";

const std::string kGroupNames =
    "#GROUPNAMES\n"
    "Timers \"Timers and switches\"\n"
    "Units Units and \"groups\"\n"
    "#Hashed Hash\n"
    "Bare\n"
    "#END\n";

std::string Refusal(std::string_view funcDecl, std::string_view funcStruct) {
    return test::Raised([&] { ReadDeclarationTexts(funcDecl, funcStruct); });
}

TEST(FunctionGroups, OnlyListedFunctionsRemainInMenuOrder) {
    Declarations d = ReadDeclarationTexts(kFunctions + kGroupNames,
                                          "#CONDITION\n"
                                          "TimerValue\n"
                                          "#Timers\n"
                                          "TimerValue\n"
                                          "RunTimer \n"
                                          "#Units\n"
                                          "Twice\n"
                                          "#END\n"
                                          "#ACTION\n"
                                          "RunTimer\n"
                                          "#Hashed\n"
                                          "TimerValue\n"
                                          "Unknown\n"
                                          "#Bare\n"
                                          "RunTimer\n"
                                          "#END\n");
    struct Entry {
        std::string name, group;
        bool condition;
        std::string text;
    };
    std::vector<Entry> expected = {
        {"TimerValue", "", true, "<1 t> <2 o> <3 v>"},
        {"TimerValue", "Timers and switches", true, "<1 t> <2 o> <3 v>"},
        {"Twice", "Units and \"groups", true, "first"},
        {"Twice", "Units and \"groups", true, "second"},
        {"RunTimer", "Units and \"groups", false, "Start <1 timer>"},
        {"TimerValue", "Hash", false, "<1 t> <2 o> <3 v>"},
        {"RunTimer", "", false, "Start <1 timer>"},
    };
    ASSERT_EQ(d.functions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(d.functions[i].name, expected[i].name) << i;
        EXPECT_EQ(d.functions[i].menuGroup, expected[i].group) << i;
        EXPECT_EQ(d.functions[i].isCondition, expected[i].condition) << i;
        EXPECT_EQ(d.functions[i].text, expected[i].text) << i;
    }
}

TEST(FunctionGroups, MissingOrBrokenSectionsEndStartUp) {
    const std::string conditions = "#CONDITION\n#Timers\nRunTimer\n#END\n";
    // Missing #GROUPNAMES and #CONDITION sections are StartUp.MalformedFilesEndStartUpWithOneText's.
    EXPECT_EQ(Refusal(kFunctions + kGroupNames, "#CONDITION\n#Nowhere\nRunTimer\n#END\n"),
              "There is no translation for group name Nowhere");
    EXPECT_EQ(Refusal(kFunctions + kGroupNames, "#CONDITION\n" + std::string(1100, 'x') + "\n#END\n"),
              "Cannot parse #CONDITION block ");
    EXPECT_EQ(Refusal(kFunctions + kGroupNames,
                      conditions + "#ACTION\n" + std::string(1100, 'x') + "\n#END\n"),
              "Cannot parse #ACTION block ");
    EXPECT_EQ(Refusal(kFunctions + "#GROUPNAMES\n" + std::string(1100, 'k') + "\n#END\n", conditions),
              "Data\\FuncDecl: a line of the #GROUPNAMES section is longer than 1024 characters.");
    EXPECT_EQ(Refusal(kFunctions + kGroupNames + "#GROUPS\n#g\n" + std::string(1100, 'i') + "\n#END\n",
                      conditions),
              "Data\\FuncDecl: a line of the #GROUPS section is longer than 1024 characters.");
    std::string manyNames = "#GROUPNAMES\n";
    for (int i = 0; i < 257; ++i) manyNames += "k" + std::to_string(i) + " name\n";
    EXPECT_EQ(Refusal(kFunctions + manyNames + "#END\n", conditions), "List is overfilled.");
}

TEST(FunctionGroups, MissingActionAndGroupsSectionsAreEmpty) {
    Declarations d = ReadDeclarationTexts(kFunctions + kGroupNames, "#CONDITION\n#Timers\nRunTimer\n#END\n");
    ASSERT_EQ(d.functions.size(), 1u);
    EXPECT_TRUE(d.functions[0].isCondition);
    EXPECT_TRUE(d.groups.empty());
}

TEST(FunctionGroups, DeclaredGroupsKeepTheirItemsAndRenamableFlag) {
    Declarations d = ReadDeclarationTexts(kFunctions + kGroupNames +
                                              "#GROUPS\n"
                                              "#lost\n"
                                              "#nations\n"
                                              "First nation\n"
                                              "  Second  nation \n"
                                              "#$signals\n"
                                              "#empty\n"
                                              "#last\n"
                                              "item\n"
                                              "#END\n",
                                          "#CONDITION\n#END\n");
    ASSERT_EQ(d.groups.size(), 4u);
    EXPECT_EQ(d.groups[0].name, "nations");
    EXPECT_FALSE(d.groups[0].renamable);
    ASSERT_EQ(d.groups[0].items.count(), 2);
    EXPECT_EQ(d.groups[0].items[1], "  Second  nation ");
    EXPECT_EQ(d.groups[1].name, "signals");
    EXPECT_TRUE(d.groups[1].renamable);
    EXPECT_EQ(d.groups[1].items.count(), 0);
    EXPECT_EQ(d.groups[2].name, "empty");
    EXPECT_EQ(d.groups[3].name, "last");
    EXPECT_EQ(d.groups[3].items.count(), 1);

    Declarations headersOnly = ReadDeclarationTexts(kFunctions + kGroupNames + "#GROUPS\n#a\n#b\n#END\n",
                                                    "#CONDITION\n#END\n");
    EXPECT_TRUE(headersOnly.groups.empty());

    std::string big = "#GROUPS\n#big\n";
    for (int i = 0; i < 257; ++i) big += "item" + std::to_string(i) + "\n";
    EXPECT_EQ(Refusal(kFunctions + kGroupNames + big + "#END\n", "#CONDITION\n#END\n"), "List is overfilled.");
}

}  // namespace
}  // namespace sced

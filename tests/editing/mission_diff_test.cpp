#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/line_diff.h"
#include "editing/mission_diff.h"

namespace sced {
namespace {

std::vector<std::string_view> Lines(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.end()};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

TEST(LineDiff, HunksShowTheChangedLinesWithTheirContext) {
    const std::vector<std::string> ten = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    struct Case {
        std::vector<std::string> after;
        std::string diff;
    } cases[] = {
        {ten, ""},
        {{"1", "2", "3", "4", "five", "6", "7", "8", "9", "10"},
         "@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n"},
        // An insertion at the start, a deletion at the end: hunks far apart.
        {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"},
         "@@ -1,3 +1,4 @@\n+0\n 1\n 2\n 3\n@@ -7,4 +8,3 @@\n 7\n 8\n 9\n-10\n"},
        // Changes six lines apart share one hunk.
        {{"one", "2", "3", "4", "5", "6", "7", "eight", "9", "10"},
         "@@ -1,10 +1,10 @@\n-1\n+one\n 2\n 3\n 4\n 5\n 6\n 7\n-8\n+eight\n 9\n 10\n"},
        {{}, "@@ -1,10 +0,0 @@\n-1\n-2\n-3\n-4\n-5\n-6\n-7\n-8\n-9\n-10\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Joined(UnifiedDiff(Lines(ten), Lines(c.after))), c.diff);
    // Repeated lines: the shortest edit, not a rewrite of all.
    EXPECT_EQ(Joined(UnifiedDiff({"a", "b", "a", "b"}, {"b", "a", "b", "a"}, 0)), "@@ -1 +0,0 @@\n-a\n@@ -4,0 +4 @@\n+a\n");
    EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string_view>{"a", "", "b"}));
}

TEST(LineDiff, TextsThatDifferWhollyStayBoundedAndComplete) {
    std::vector<std::string> before, after;
    for (int i = 0; i < 6000; ++i) {
        before.push_back("line " + std::to_string(i));
        after.push_back("other " + std::to_string(i));
    }
    std::vector<std::string> diff = UnifiedDiff(Lines(before), Lines(after));
    ASSERT_EQ(diff.size(), 12001u);
    EXPECT_EQ(diff[0], "@@ -1,6000 +1,6000 @@");
    EXPECT_EQ(diff[6000], "-line 5999");
    EXPECT_EQ(diff[6001], "+other 0");
}

MissionText Mission(std::vector<std::string> labels) {
    MissionText text;
    text.name = "m";
    for (const std::string& label : labels) text.scripts.push_back("CONDITION\nACTION\n\tOf( " + label + " )\n");
    text.labels = std::move(labels);
    return text;
}

std::string Headings(const MissionText& before, const MissionText& after) {
    std::string text;
    for (const TriggerChange& change : CompareMissions(before, after).triggers) text += ChangeHeading(change) + "\n";
    return text;
}

TEST(MissionDiff, TriggersMatchByLabelAndOnlyTheOnesOutOfOrderMove) {
    const MissionText abcde = Mission({"A", "B", "C", "D", "E"});
    EXPECT_TRUE(CompareMissions(abcde, abcde).empty());
    // One put in, one taken out: nothing else moves.
    EXPECT_EQ(Headings(abcde, Mission({"A", "New", "B", "C", "E"})), "added 2 \"New\"\nremoved 4 \"D\"\n");
    EXPECT_EQ(Headings(abcde, Mission({"B", "C", "D", "E", "A"})), "moved \"A\" 1 -> 5\n");
    EXPECT_EQ(Headings(abcde, Mission({"A", "D", "B", "C", "E"})), "moved \"D\" 4 -> 2\n");
    // Equal labels pair in their order; the extra one is new.
    EXPECT_EQ(Headings(Mission({"X", "Y", "X"}), Mission({"X", "Y", "X", "X"})), "added 4 \"X\"\n");
    EXPECT_EQ(Headings(Mission({"", "A", ""}), Mission({"A", ""})), "removed 1 \"\"\n");
}

TEST(MissionDiff, ChangedTriggersShowTheirLinesAndTheMissionItsNames) {
    MissionText before = Mission({"A", "B", "C"});
    MissionText after = Mission({"C", "A", "B"});
    after.scripts[0] = "CONDITION\nTIMES 3\nACTION\n\tOf( C )\n";
    after.scripts[2] = "CONDITION\nACTION\n\tOf( B ), \n\tShowPageEx( Camp.gp 0, \"Hold\" )\n";
    before.title = "Valley";
    after.title = "Valley II";
    before.description = "Hold the ford.\nSave the train.";
    after.description = "Hold the ford.";
    before.names = {{"Objective 0"}, {"Bridge blown", "Switch1"}, {}, {}, {"Raiders"}};
    after.names = {{"Objective 0"}, {"Bridge down", "Switch1"}, {}, {}, {}};
    MissionDifference difference = CompareMissions(before, after);
    EXPECT_EQ(Joined(difference.mission),
              "title \"Valley\" -> \"Valley II\"\n"
              "description\n@@ -1,2 +1 @@\n Hold the ford.\n-Save the train.\n"
              "renamed Switch \"Bridge blown\" -> \"Bridge down\"\n"
              "removed Dynamic group \"Raiders\"\n");
    EXPECT_EQ(Joined(DifferenceLines(difference, before, after)),
              "--- m\n+++ m\n" + Joined(difference.mission) +
                  "moved \"C\" 3 -> 1\n"
                  "changed 1 \"C\"\n@@ -1,3 +1,4 @@\n CONDITION\n+TIMES 3\n ACTION\n \tOf( C )\n"
                  "changed 3 \"B\"\n@@ -1,3 +1,4 @@\n CONDITION\n ACTION\n-\tOf( B )\n+\tOf( B ), \n"
                  "+\tShowPageEx( Camp.gp 0, \"Hold\" )\n");
    EXPECT_TRUE(DifferenceLines(CompareMissions(before, before), before, before).empty());
}

}  // namespace
}  // namespace sced

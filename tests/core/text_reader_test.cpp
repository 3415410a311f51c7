#include <gtest/gtest.h>

#include "core/scenario_error.h"
#include "core/text_reader.h"
#include "support/game_folder.h"

namespace sced {
namespace {

struct Line {
    int result;
    std::string text;
    bool operator==(const Line&) const = default;
};

// A section as ReadLine walks it after FindSection: blank lines skipped, a
// line beginning with "#END" never consumed, a long line never passed.
TEST(TextReader, SectionLinesAsReadLineGivesThem) {
    constexpr int kText = TextReader::kText, kHeader = TextReader::kHeader, kEnd = TextReader::kEnd,
                  kLong = TextReader::kTooLong;
    const std::string x1024(1024, 'x');
    struct Case {
        std::string text;
        std::string keyword;
        int found;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {"junk\n#STRINGS\r\n\r\n\nfirst\r\n\r\n\n#header\n   #END not an end\nlast", "#STRINGS", 0,
         {{kText, "first"}, {kHeader, "header"}, {kText, "   #END not an end"}, {kText, "last"}, {kEnd, ""}, {kEnd, ""}}},
        {"#A\none\n#ENDING\ntwo\n", "#A", 0, {{kText, "one"}, {kEnd, ""}, {kEnd, ""}}},
        {"#S\n" + x1024 + "x\nnext\n", "#S", 0, {{kLong, ""}, {kLong, ""}}},
        {"#S\n" + x1024, "#S", 0, {{kText, x1024}, {kEnd, ""}}},
        {"nothing here", "#MISSING", 1, {{kLong, ""}}},
        {"% see #ACTIONS below\nfirst\n#ACTION\nsecond\n", "#ACTION", 0, {{kText, "first"}}},
    };
    for (const Case& c : cases) {
        TextReader reader;
        reader.OpenText(c.text);
        EXPECT_EQ(reader.FindSection(c.keyword), c.found) << c.keyword;
        std::vector<Line> got;
        std::string line;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            int result = reader.ReadLine(line);
            got.push_back({result, result == kLong ? "" : line});
        }
        EXPECT_EQ(got, c.lines) << c.text.substr(0, 30);
    }
}

TEST(TextReader, BlockRunsToTheFirstEnd) {
    TextReader reader;
    reader.OpenText("#FUNCTIONS\nA() \"a\" \"b\"\n#END\n");
    auto block = reader.FindBlock("#FUNCTIONS");
    ASSERT_TRUE(block);
    EXPECT_EQ(reader.text().substr(block->begin, block->end - block->begin), "A() \"a\" \"b\"\n");
    EXPECT_FALSE(reader.hasPosition());

    TextReader noEnd;
    noEnd.OpenText("#FUNCTIONS\nA()");
    EXPECT_FALSE(noEnd.FindBlock("#FUNCTIONS"));
    EXPECT_EQ(noEnd.error(), 5);
    EXPECT_FALSE(noEnd.FindBlock("#OTHER"));
    EXPECT_EQ(noEnd.error(), 3);
    noEnd.OpenText(std::string("#S\na\0b\n", 7));
    EXPECT_EQ(noEnd.text(), "#S\na") << "the text ends at the first zero byte";
}

// The sections of a text walked section by section, each as header and
// name lines: what a section holds and where it ends.
TEST(TextSections, EndOnlyAtAnEndLineAndKeepLinesWhole) {
    using Sections = std::vector<std::pair<std::string, std::vector<std::string>>>;
    const std::string longName(3000, 'n');
    struct Case {
        std::string text;
        Sections expected;
    };
    const Case cases[] = {
        {"#A\r\none\r\n\r\n##two\r\n#END\r\n", {{"#A", {"one", "#two"}}}},
        {"#A\rone\rtwo\r#END\r#B\rthree\r#END", {{"#A", {"one", "two"}}, {"#B", {"three"}}}},
        {"#A\n#END of story\n#TRIGGERS\n#END  \n#TRIGGERS\nx\n", {{"#A", {"END of story", "TRIGGERS"}}, {"#TRIGGERS", {"x"}}}},
        {"% comment\nUNITS\nplain\n#END\n#B \n" + longName + "\nlast", {{"#B", {longName, "last"}}}},
    };
    for (const Case& c : cases) {
        Sections got;
        for (const TextSection& section : SplitSections(c.text))
            got.emplace_back(std::string(section.header), NameLines(section.body));
        EXPECT_EQ(got, c.expected) << c.text.substr(0, 40);
    }
    std::vector<TextSection> sections = SplitSections("#A\r\n\r\nx\r\n#END\r\n#B\nopen");
    EXPECT_EQ(FindSectionBody(sections, "#A"), "\r\nx\r\n");
    EXPECT_TRUE(sections[0].ended);
    EXPECT_FALSE(sections[1].ended);
    EXPECT_FALSE(FindSectionBody(sections, "#C"));

    EXPECT_FALSE(NameLineReadsBack(""));
    // Control characters and their readable escapes are ScriptCheck's cases.
    EXPECT_TRUE(NameLineReadsBack("#END \xC0"));
}

TEST(TokenFunctions, BlanksIncludeCommentsAndOneBreakAtATime) {
    EXPECT_EQ(SkipBlanks("  % comment\r\n\tx"), std::string_view("  % comment\r\n\t").size());
    EXPECT_EQ(SkipBlanks(""), 0u);
    EXPECT_EQ(SkipBlanks("% only a comment"), 16u);
    EXPECT_EQ(SkipSeparator(" , x"), 3u);
    EXPECT_EQ(SkipSeparator(" ,, x"), 2u);
}

// Identifiers, integers, argument texts and words: each read as far as it goes.
TEST(TokenFunctions, TokensAreReadAsFarAsTheyGo) {
    std::string out;
    EXPECT_EQ(ReadIdentifier("Rifleman(IN) rest", out), 12u);
    EXPECT_EQ(out, "Rifleman(IN)");
    EXPECT_EQ(ReadIdentifier("Rifleman(I) rest", out), 8u);
    EXPECT_EQ(out, "Rifleman");
    EXPECT_EQ(ReadIdentifier("9lives", out), 0u);
    EXPECT_EQ(out, "");
    EXPECT_EQ(ReadIdentifier("_a1\xC0\xFF(", out), 5u);
    EXPECT_EQ(ReadIdentifier("ab(CD", out), 2u);

    EXPECT_EQ(ReadIntegerToken("-12a", out), 3u);
    EXPECT_EQ(out, "-12");
    EXPECT_EQ(ReadIntegerToken("-a", out), 0u);
    EXPECT_EQ(out, "");
    EXPECT_EQ(ReadIntegerToken("+1", out), 0u);
    EXPECT_EQ(ParseInteger(""), 0);
    EXPECT_EQ(ParseInteger(" 42abc"), 42);
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_EQ(ParseInteger("99999999999"), 2147483647);
    EXPECT_EQ(ParseInteger("-99999999999"), -2147483647 - 1);
    EXPECT_FALSE(ScanInteger("abc"));
    EXPECT_FALSE(ScanInteger("-"));
    // What a designer types is a whole number or none: no digits cut off the front.
    const std::pair<const char*, std::optional<std::int32_t>> typed[] = {
        {"12", 12}, {" -7 ", -7}, {"+5", 5}, {"2147483647", 2147483647}, {"1e9", {}}, {"12.75", {}},
        {"0x7f", {}}, {"5 6", {}}, {"300x", {}}, {"", {}}, {"+", {}}, {"+-3", {}}, {"2147483648", {}},
    };
    for (const auto& [text, number] : typed) EXPECT_EQ(WholeNumber(text), number) << text;

    EXPECT_EQ(ReadArgText("North gate  ,next", out), 12u);
    EXPECT_EQ(out, "North gate");
    EXPECT_EQ(ReadArgText("a(b)c )", out), 6u);
    EXPECT_EQ(out, "a(b)c");
    EXPECT_EQ(ReadArgText("a(b,c)", out), 3u);
    EXPECT_EQ(ReadArgText(std::string(2000, 'x'), out), 1024u);

    EXPECT_EQ(ReadWord("f(a(b))) x", out), 7u);
    EXPECT_EQ(out, "f(a(b))");
    EXPECT_EQ(ReadWord("word,x", out), 4u);
    EXPECT_THROW(ReadWord(std::string(0x40000, 'x'), out), ScenarioError);
}

TEST(TokenFunctions, LineCursorWordsQuotesAndUpperCase) {
    std::string_view cursor = "  Infantry\tRifleman  squad of ten\r\nnext";
    EXPECT_EQ(NextWord(cursor), "Infantry");
    EXPECT_EQ(cursor, "\tRifleman  squad of ten\r\nnext");
    std::string_view line = "  rest of it\r\n\r\nnext";
    EXPECT_EQ(NextLineText(line), "rest of it");
    EXPECT_EQ(line, "next");
    std::string storage(300, 'w');
    std::string_view big = storage;
    EXPECT_EQ(NextWord(big).size(), 255u);
    EXPECT_TRUE(big.empty());

    EXPECT_EQ(StripQuotes("\"Timers\""), "Timers");
    EXPECT_EQ(StripQuotes("Timers\""), "Timers");
    EXPECT_EQ(StripQuotes("\""), "");
    EXPECT_EQ(StripQuotes(""), "");
    EXPECT_EQ(ToUpperChar('a'), 'A');
    EXPECT_EQ(ToUpperChar('\xE0'), '\xC0');
    EXPECT_EQ(ToUpperChar('\xFF'), '\xDF');
    EXPECT_EQ(ToUpperChar('\xB8'), '\xB8');
    EXPECT_EQ(ToUpperChar('1'), '1');
}

}  // namespace
}  // namespace sced

#include "controls/sentence_layout.h"

#include <gtest/gtest.h>

#include "declarations/function_template.h"
#include "model/command_tree.h"

namespace sced {
namespace {

// Every byte 10 pixels wide, every line 10 high.
TextSize FixedWidth(std::string_view text) { return {static_cast<int>(text.size()) * 10, 10}; }

struct Sentence {
    Template declared;
    TermCommand command;

    // Arguments "a1".."a7" for placeholders "<1>".."<7>" with default texts
    // "d1".."d7"; the placeholders whose bits are set in unfilled have no
    // value.
    Sentence(std::string text, std::uint8_t unfilled) {
        declared.text = std::move(text);
        for (int i = 0; i < kMaxArgs; ++i)
            declared.argDefText[static_cast<std::size_t>(i)] = "d" + std::to_string(i + 1);
        declared.ParsePlaceholders();
        command.function = &declared;
        command.unfilled = unfilled;
    }

    SentenceLayout Layout(int width) const {
        auto argument = [](int arg) { return "a" + std::to_string(arg + 1); };
        return LayoutSentence(command, argument, {0, 0, width}, FixedWidth);
    }
};

// "text@x,y" per piece, with the colour's letter: P plain, F filled, U unfilled.
std::string Drawn(const SentenceLayout& layout) {
    std::string out;
    for (const SentencePiece& piece : layout.pieces) {
        const char* colour = piece.colour == SentenceColour::Plain    ? "P"
                             : piece.colour == SentenceColour::Filled ? "F"
                                                                      : "U";
        if (!out.empty()) out += " | ";
        out += piece.text + "@" + std::to_string(piece.x) + "," + std::to_string(piece.y) + colour;
    }
    return out;
}

TEST(SentenceLayout, PiecesColoursAndWrapping) {
    struct Case {
        const char* what;
        const char* text;
        std::uint8_t unfilled;
        int width;
        const char* drawn;
    };
    const Case cases[] = {
        {"a leading placeholder is upper-cased", "<1 unit> waits", 0, 400, "A1@0,0F |  waits.@20,0P"},
        {"a plain start is upper-cased", "wait <1 s> s", 0, 400, "Wait @0,0P | a1@50,0F |  s.@70,0P"},
        {"unfilled shows the default text", "kill <1 x> now", 1, 400, "Kill @0,0P | d1@50,0U |  now.@70,0P"},
        {"a final dot even after one", "Wait.", 0, 400, "Wait..@0,0P"},
        {"the dot joins a final argument", "kill <1 x>", 0, 400, "Kill @0,0P | a1.@50,0F"},
        {"a dot after the argument is its", "kill <1 x>.", 0, 400, "Kill @0,0P | a1@50,0F | .@70,0P"},
        // "Kill " ends at 50, "a1" at 70 = the right edge, the "," stays.
        {"a comma stays on a full line", "kill <1 x>, ok", 0, 70, "Kill @0,0P | a1@50,0F | ,@70,0P |  ok.@0,10P"},
        // " ab." is 40 wide: 70 + 40 + 20 > 110, so it wraps whole.
        {"plain text keeps 20 pixels free", "kill <1 x> ab", 0, 110, "Kill @0,0P | a1@50,0F |  ab.@0,10P"},
        {"an argument needs no allowance", "kill <2 x>", 0, 80, "Kill @0,0P | a2.@50,0F"},
        {"an argument wraps whole", "kill <2 x>", 0, 70, "Kill @0,0P | a2.@0,10F"},
        {"a piece wider than a line breaks at spaces", "aa bb cc dd", 0, 80,
         "Aa @0,0P | bb @30,0P | cc @0,10P | dd.@30,10P"},
        {"a second placeholder of the same argument", "<1 x> and <1 y>", 2, 400, "A1@0,0F |  and @20,0P | d1.@70,0U"},
    };
    for (const Case& c : cases) {
        Sentence sentence(c.text, c.unfilled);
        EXPECT_EQ(Drawn(sentence.Layout(c.width)), c.drawn) << c.what;
    }
}

TEST(SentenceLayout, HitTestIsStrictAndEmptyBeforeLayout) {
    EXPECT_EQ(SentenceLayout{}.HitTest(5, 5), -1);
    Sentence sentence("move <1 x> to <2 y>", 0);
    SentenceLayout layout = sentence.Layout(90);  // " to " wraps to the second line
    ASSERT_EQ(layout.placeholders.size(), 2u);
    const SentenceRect& first = layout.placeholders[0];
    EXPECT_EQ(first.left, 50);
    EXPECT_EQ(first.right, 70);
    const SentenceRect& second = layout.placeholders[1];
    EXPECT_EQ(second.top, 10);
    EXPECT_EQ(layout.bottom, 20);
    struct Case {
        int x, y, hit;
    };
    const Case cases[] = {{60, 5, 0},  {50, 5, -1}, {70, 5, -1}, {60, 0, -1}, {60, 10, -1}, {69, 9, 0},
                          {second.left + 1, 15, 1}, {second.right, 15, -1}, {80, 5, -1}};
    for (const Case& c : cases) EXPECT_EQ(layout.HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
}

}  // namespace
}  // namespace sced

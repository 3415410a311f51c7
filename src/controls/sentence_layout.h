#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sced {

class TermCommand;

struct TextSize {
    int width = 0;
    int height = 0;
};
// The size of a text in the sentence's font.
using MeasureText = std::function<TextSize(std::string_view)>;
// The designer's text of the command's argument with that index.
using ArgumentText = std::function<std::string(int argIndex)>;

enum class SentenceColour { Plain, Filled, Unfilled };

// One run of text drawn in one colour with its top-left corner at (x, y).
struct SentencePiece {
    std::string text;
    int x = 0;
    int y = 0;
    SentenceColour colour = SentenceColour::Plain;
    int placeholder = -1;  // the placeholder it shows; -1 for plain text
};

struct SentenceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Strictly inside: a point on the border is outside.
    bool Contains(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
};

// Where the sentence of a command is drawn: the text pieces in order and
// the rectangle of each placeholder's argument text.
struct SentenceLayout {
    std::vector<SentencePiece> pieces;
    std::vector<SentenceRect> placeholders;
    // The bottom of the lowest line (the area's top when nothing is drawn).
    int bottom = 0;

    // The first placeholder (in text order) whose rectangle holds the point
    // strictly; -1 when none.
    int HitTest(int x, int y) const;
};

// The text area: lines start at left, the first at top, and wrap before
// right.
struct SentenceArea {
    int left = 0;
    int top = 0;
    int right = 0;
};

// Lays the command's sentence out in the area: the template's text with
// each placeholder replaced by its argument's text (the default text while
// it is unfilled), the first letter upper case, a "." at the end. A plain
// piece that does not fit on the line moves to the next one whole; only a
// piece wider than a whole line is broken, at its spaces. An argument's
// text is never broken, and a "," or "." right after it stays on its line.
SentenceLayout LayoutSentence(const TermCommand& command, const ArgumentText& argumentText, SentenceArea area,
                              const MeasureText& measure);

}  // namespace sced

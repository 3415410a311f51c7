#include "controls/sentence_layout.h"

#include <algorithm>

#include "core/text_reader.h"
#include "declarations/function_template.h"
#include "model/command_tree.h"

namespace sced {

int SentenceLayout::HitTest(int x, int y) const {
    for (std::size_t k = 0; k < placeholders.size(); ++k)
        if (placeholders[k].Contains(x, y)) return static_cast<int>(k);
    return -1;
}

namespace {

// Places the pieces left to right, wrapping to a new line where a piece
// would cross the right edge.
class LinePen {
public:
    LinePen(SentenceArea area, const MeasureText& measure, SentenceLayout& layout)
        : area_(area), measure_(measure), layout_(layout), x_(area.left), y_(area.top) {
        layout_.bottom = area.top;
    }

    // Plain text keeps an allowance before the right edge.
    static constexpr int kPlainAllowance = 20;

    void Plain(std::string text) {
        TextSize size = measure_(text);
        int line = area_.right - area_.left;
        if (size.width + kPlainAllowance > line && text.find(' ') != std::string::npos) {
            // Wider than any line: its words wrap one by one.
            std::size_t start = 0;
            while (start < text.size()) {
                std::size_t end = text.find(' ', start);
                end = end == std::string::npos ? text.size() : end + 1;
                std::string word = text.substr(start, end - start);
                Place(word, measure_(word), kPlainAllowance, SentenceColour::Plain, -1);
                start = end;
            }
            return;
        }
        Place(std::move(text), size, kPlainAllowance, SentenceColour::Plain, -1);
    }

    SentenceRect Argument(std::string text, SentenceColour colour, int placeholder) {
        TextSize size = measure_(text);
        Place(std::move(text), size, 0, colour, placeholder);
        return {x_ - size.width, y_, x_, y_ + size.height};
    }

    // A mark that follows an argument: never wrapped away from it.
    void Mark(std::string text) {
        TextSize size = measure_(text);
        Draw(std::move(text), size, SentenceColour::Plain, -1);
    }

private:
    void Place(std::string text, TextSize size, int allowance, SentenceColour colour, int placeholder) {
        if (x_ > area_.left && x_ + size.width + allowance > area_.right) {
            x_ = area_.left;
            y_ += size.height;
        }
        Draw(std::move(text), size, colour, placeholder);
    }

    void Draw(std::string text, TextSize size, SentenceColour colour, int placeholder) {
        layout_.pieces.push_back({std::move(text), x_, y_, colour, placeholder});
        layout_.bottom = std::max(layout_.bottom, y_ + size.height);
        x_ += size.width;
    }

    SentenceArea area_;
    const MeasureText& measure_;
    SentenceLayout& layout_;
    int x_;
    int y_;
};

void UpperFirst(std::string& text, bool& first) {
    if (!first || text.empty()) return;
    text[0] = ToUpperChar(text[0]);
    first = false;
}

}  // namespace

SentenceLayout LayoutSentence(const TermCommand& command, const ArgumentText& argumentText, SentenceArea area,
                              const MeasureText& measure) {
    SentenceLayout layout;
    LinePen pen(area, measure, layout);
    if (!command.function) return layout;
    const Template& declared = *command.function;
    int count = std::clamp(declared.placeholderCount, 0, kMaxPlaceholders);
    std::string_view rest = declared.text;
    bool first = true;
    for (int k = 0; !rest.empty(); ++k) {
        std::size_t open = rest.find('<');
        std::string piece(rest.substr(0, open));
        std::size_t close = open == std::string_view::npos ? std::string_view::npos : rest.find('>', open);
        rest = close == std::string_view::npos ? std::string_view{} : rest.substr(close + 1);
        UpperFirst(piece, first);
        if (open == std::string_view::npos) piece += '.';
        if (!piece.empty()) pen.Plain(std::move(piece));
        if (open == std::string_view::npos || k >= count) break;

        int arg = declared.placeholders[static_cast<std::size_t>(k)].argIndex;
        bool filled = command.IsFilled(k);
        std::string text;
        if (filled)
            text = argumentText(arg);
        else if (arg >= 0 && arg < kArgSlots)
            text = declared.argDefText[static_cast<std::size_t>(arg)];
        if (rest.empty()) text += '.';
        UpperFirst(text, first);
        auto colour = filled ? SentenceColour::Filled : SentenceColour::Unfilled;
        layout.placeholders.push_back(pen.Argument(std::move(text), colour, k));
        if (!rest.empty() && (rest.front() == ',' || rest.front() == '.')) {
            pen.Mark(std::string(1, rest.front()));
            rest.remove_prefix(1);
        }
    }
    return layout;
}

}  // namespace sced

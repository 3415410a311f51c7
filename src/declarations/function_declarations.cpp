#include "declarations/function_declarations.h"

#include "core/scenario_error.h"

namespace sced {

namespace {

constexpr std::size_t kStringBufferSize = 0x40000;
constexpr std::size_t kMaxGroupNameLength = 127;

// Walks one "#FUNCTIONS" block. The texts may run past the block's "#END"
// up to the end of the file, as the game's reader allows.
class DeclarationParser {
public:
    DeclarationParser(std::string_view text, std::size_t begin, std::size_t end)
        : text_(text), p_(begin), end_(end) {}

    std::vector<Template> Parse() {
        std::vector<Template> functions;
        if (p_ >= end_) return functions;
        SkipBlankRun();
        while (true) {
            functions.push_back(ParseDeclaration());
            SkipBlankRun();
            if (p_ >= end_) break;
        }
        return functions;
    }

private:
    std::string_view Rest() const { return text_.substr(p_); }
    char At(std::size_t offset = 0) const {
        return p_ + offset < text_.size() ? text_[p_ + offset] : '\0';
    }
    void SkipBlankRun() { p_ += SkipBlanks(Rest()); }

    Template ParseDeclaration() {
        Template function;
        if (At() == '!') {
            function.form = FormNot;
            ++p_;
        }
        if (At() == '[') {
            ++p_;
            std::string group;
            p_ += ReadIdentifier(Rest(), group);
            CheckGroupName(function, group);
            function.AddArgGroup(group);
            while (At() == ' ' || At() == '\t' || At() == ']' || At() == '=') ++p_;
            function.form = FormAssign;
        }
        std::size_t length = ReadIdentifier(Rest(), function.name);
        CheckExcerpt(length > 0, "Incorrect function identifier: ", Rest());
        p_ += length;
        CheckJoined(At() == '(', function.name, " : Incorrect function declaration.");
        ++p_;
        while (At() != ')') {
            ParseArgument(function);
            while (At() == ']' || At() == ',' || At() == ' ' || At() == '\r' || At() == '\n' ||
                   At() == '\t')
                ++p_;
        }
        ++p_;
        if (At() == '[') {
            function.form = FormCompare;
            while (At() != '"' && p_ < text_.size()) {
                ParseArgument(function);
                while (At() == ']' || At() == ',' || At() == ' ' || At() == '\r' || At() == '\n' ||
                       At() == '\t')
                    ++p_;
            }
        }
        SkipBlankRun();
        function.text = ReadQuotedText();
        SetDefaultTexts(function);
        SkipBlankRun();
        function.listText = ReadQuotedText();
        function.ParsePlaceholders();
        return function;
    }

    void ParseArgument(Template& function) {
        if (At() == '-') ++p_;  // a single minus before any argument means nothing
        if (At() == '[') {
            ++p_;
            SkipBlankRun();
            std::string group;
            std::size_t length = ReadIdentifier(Rest(), group);
            if (length > 0) {
                p_ += length;
                bool numbered = group.front() == '_';
                if (numbered) group.erase(0, 1);
                CheckGroupName(function, group);
                function.AddArgGroup(group);
                if (numbered) function.argKind[static_cast<std::size_t>(function.argCount - 1)] =
                    KindGroupNumber;
                return;
            }
            std::int32_t low = ReadInteger();
            Check(At() == '.' && At(1) == '.', "[int..int]: Error in func decl file.");
            p_ += 2;
            std::int32_t high;
            if (Rest().starts_with("max")) {
                p_ += 3;
                high = -1;
            } else {
                high = ReadInteger();
            }
            function.AddArgChInteger(low, high);
            return;
        }
        std::string token;
        std::size_t length = ReadIntegerToken(Rest(), token);
        Check(length > 0, function.name + " arg: Error in func decl file.");
        p_ += length;
        function.AddIntConst(ParseInteger(token));
    }

    std::int32_t ReadInteger() {
        std::string token;
        p_ += ReadIntegerToken(Rest(), token);
        return ParseInteger(token);
    }

    static void CheckGroupName(const Template& function, const std::string& group) {
        Check(group.size() <= kMaxGroupNameLength,
              "A group name in the declaration of " + function.name +
                  " is longer than 127 characters.");
    }

    // The opening quote is required; the text runs to the next double quote.
    std::string ReadQuotedText() {
        Check(At() == '"', "Incorrect string value.");
        ++p_;
        std::size_t close = text_.find('"', p_);
        std::size_t available = (close == std::string_view::npos ? text_.size() : close) - p_;
        Check(available < kStringBufferSize, "String buffer overflow");
        Check(close != std::string_view::npos, "Incorrect string value.");
        std::string value(text_.substr(p_, close - p_));
        p_ = close + 1;
        return value;
    }

    // Every "<N" gives argument N-1 the label up to the next ">" as the text
    // it shows before the designer sets it.
    static void SetDefaultTexts(Template& function) {
        std::string_view rest = function.text;
        std::string number;
        for (std::size_t open; (open = rest.find('<')) != std::string_view::npos;) {
            rest.remove_prefix(open + 1);
            std::size_t length = ReadIntegerToken(rest, number);
            rest.remove_prefix(std::min(rest.size(), length + 1));
            std::size_t close = rest.find('>');
            std::string_view label = rest.substr(0, close);
            function.SetArgDefText(ParseInteger(number) - 1, label);
            if (close == std::string_view::npos) break;
            rest.remove_prefix(close + 1);
        }
    }

    std::string_view text_;
    std::size_t p_;
    std::size_t end_;
};

}  // namespace

std::vector<Template> ReadFunctionDeclarations(TextReader& funcDecl) {
    auto block = funcDecl.FindBlock("#FUNCTIONS");
    Check(block.has_value(), "Cannot locate #FUNCTIONS block in FuncDecl.* file.");
    return DeclarationParser(funcDecl.text(), block->begin, block->end).Parse();
}

}  // namespace sced

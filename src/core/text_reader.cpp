#include "core/text_reader.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/game_path.h"
#include "core/scenario_error.h"

namespace sced {

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentifierStart(char c) {
    auto u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || u >= 0xC0;
}
bool IsIdentifierChar(char c) { return IsIdentifierStart(c) || IsDigit(c); }
bool IsLetter(char c) {
    auto u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || u >= 0xC0;
}

constexpr std::size_t kMaxWordLength = 255;
constexpr std::size_t kStringBufferSize = 0x40000;

}  // namespace

void TextReader::Open(const std::filesystem::path& path) {
    position_.reset();
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        text_.clear();
        error_ = 1;
        return;
    }
    OpenText(*bytes);
}

void TextReader::OpenText(std::string_view bytes) {
    text_.assign(bytes.substr(0, bytes.find('\0')));
    error_ = 0;
    position_.reset();
}

void TextReader::Close() {
    text_.clear();
    text_.shrink_to_fit();
    position_.reset();
}

std::size_t TextReader::LineEnd(std::size_t from) const {
    std::size_t end = text_.find_first_of("\r\n", from);
    return end == std::string::npos ? text_.size() : end;
}

std::size_t TextReader::SkipLineBreaks(std::size_t from) const {
    while (from < text_.size() && IsLineBreak(text_[from])) ++from;
    return from;
}

int TextReader::FindSection(std::string_view keyword) {
    std::size_t found = text_.find(keyword);
    if (found == std::string::npos) {
        error_ = 1;
        return 1;
    }
    std::size_t lineEnd = LineEnd(found);
    if (lineEnd - found > kMaxLineLength) {
        error_ = 1;
        return kTooLong;
    }
    position_ = SkipLineBreaks(lineEnd);
    return 0;
}

std::size_t FindAtLineStart(std::string_view text, std::string_view keyword, std::size_t from, std::size_t to) {
    // Searched only up to the bound, so that a keyword that is missing costs
    // no scan of the rest of the text.
    std::string_view bounded = text.substr(0, std::min(to, text.size()));
    for (std::size_t at = bounded.find(keyword, from); at != std::string_view::npos;
         at = bounded.find(keyword, at + 1)) {
        if (at == 0 || IsLineBreak(text[at - 1])) return at;
    }
    return std::string_view::npos;
}

std::string NameLine(std::string_view name) {
    std::string line = name.starts_with('#') ? "#" : "";
    line += name;
    line += '\n';
    return line;
}

bool HasControlCharacter(std::string_view text) { return std::any_of(text.begin(), text.end(), IsControl); }

bool NameLineReadsBack(std::string_view name) { return !name.empty() && !HasControlCharacter(name); }

std::string ReadableName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : name) {
        if (IsControl(c)) {
            auto u = static_cast<unsigned char>(c);
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

// Walks a text line by line; a line break is CR LF, LF or CR.
class LineWalk {
public:
    explicit LineWalk(std::string_view text) : text_(text) {}
    bool done() const { return at_ >= text_.size(); }
    std::size_t offset() const { return at_; }
    std::string_view Next() {
        std::size_t end = text_.find_first_of("\r\n", at_);
        if (end == std::string_view::npos) end = text_.size();
        std::string_view line = text_.substr(at_, end - at_);
        at_ = end;
        if (text_.substr(at_).starts_with("\r\n"))
            at_ += 2;
        else if (at_ < text_.size())
            ++at_;
        return line;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::string_view TrimTrailingBlanks(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    return line;
}

}  // namespace

bool IsEndLine(std::string_view line) { return TrimTrailingBlanks(line) == "#END"; }

std::vector<TextSection> SplitSections(std::string_view text) {
    std::vector<TextSection> sections;
    LineWalk lines(text);
    while (!lines.done()) {
        std::string_view line = lines.Next();
        if (!line.starts_with('#') || IsEndLine(line)) continue;
        TextSection section{TrimTrailingBlanks(line), {}};
        std::size_t begin = lines.offset();
        std::size_t end = text.size();
        while (!lines.done()) {
            std::size_t at = lines.offset();
            if (IsEndLine(lines.Next())) {
                end = at;
                section.ended = true;
                break;
            }
        }
        section.body = text.substr(begin, end - begin);
        sections.push_back(section);
    }
    return sections;
}

std::optional<std::string_view> FindSectionBody(const std::vector<TextSection>& sections,
                                                std::string_view header) {
    for (const TextSection& section : sections)
        if (section.header == header) return section.body;
    return std::nullopt;
}

std::vector<std::string> NameLines(std::string_view body) {
    std::vector<std::string> names;
    LineWalk lines(body);
    while (!lines.done()) {
        std::string_view line = lines.Next();
        if (line.empty()) continue;
        if (line.front() == '#') line.remove_prefix(1);
        names.emplace_back(line);
    }
    return names;
}

std::string CrLfToLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

std::optional<TextReader::Block> TextReader::FindBlock(std::string_view keyword) {
    std::size_t found = text_.find(keyword);
    if (found == std::string::npos) {
        error_ = 3;
        return std::nullopt;
    }
    std::size_t lineEnd = LineEnd(found);
    if (lineEnd - found > kMaxLineLength) {
        error_ = 3;
        return std::nullopt;
    }
    Block block;
    block.begin = SkipLineBreaks(lineEnd);
    std::size_t end = text_.find("#END", block.begin);
    if (end == std::string::npos) {
        error_ = 5;
        return std::nullopt;
    }
    block.end = end;
    return block;
}

int TextReader::ReadLine(std::string& line) {
    if (!position_) return kTooLong;
    for (;;) {
        std::size_t at = *position_;
        if (at >= text_.size()) {
            line.clear();
            return kEnd;
        }
        std::size_t lineEnd = LineEnd(at);
        if (lineEnd - at > kMaxLineLength) return kTooLong;
        std::string_view current(text_.data() + at, lineEnd - at);
        if (current.starts_with("#END")) {
            line.clear();
            return kEnd;
        }
        position_ = SkipLineBreaks(lineEnd);
        if (current.empty()) continue;
        if (current.front() == '#') {
            line.assign(current.substr(1));
            return kHeader;
        }
        line.assign(current);
        return kText;
    }
}

std::size_t SkipBlanks(std::string_view rest) {
    std::size_t i = 0;
    for (;;) {
        while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) ++i;
        if (i >= rest.size()) return i;
        if (IsLineBreak(rest[i])) {
            ++i;
        } else if (rest[i] == '%') {
            while (i < rest.size() && !IsLineBreak(rest[i])) ++i;
            if (i < rest.size()) ++i;
        } else {
            return i;
        }
    }
}

std::size_t SkipSeparator(std::string_view rest) {
    std::size_t i = SkipBlanks(rest);
    if (i < rest.size() && rest[i] == ',') ++i;
    return i + SkipBlanks(rest.substr(i));
}

std::size_t ReadIdentifier(std::string_view rest, std::string& out) {
    out.clear();
    if (rest.empty() || !IsIdentifierStart(rest[0])) return 0;
    std::size_t i = 1;
    while (i < rest.size() && IsIdentifierChar(rest[i])) ++i;
    if (i + 3 < rest.size() && rest[i] == '(' && IsLetter(rest[i + 1]) && IsLetter(rest[i + 2]) &&
        rest[i + 3] == ')')
        i += 4;
    out.assign(rest.substr(0, i));
    return i;
}

std::size_t ReadIntegerToken(std::string_view rest, std::string& out) {
    out.clear();
    std::size_t i = 0;
    if (i < rest.size() && rest[i] == '-') ++i;
    if (i >= rest.size() || !IsDigit(rest[i])) return 0;
    while (i < rest.size() && IsDigit(rest[i])) ++i;
    out.assign(rest.substr(0, i));
    return i;
}

std::optional<std::int32_t> ScanInteger(std::string_view text) {
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t digits = i;
    while (digits < text.size() && IsDigit(text[digits])) ++digits;
    if (digits == i) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data() + i, text.data() + digits, value);
    (void)end;
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    if (ec == std::errc::result_out_of_range || value > kMax + 1) value = kMax + 1;
    if (negative) value = -value;
    if (value > kMax) value = kMax;
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseInteger(std::string_view text) { return ScanInteger(text).value_or(0); }

std::optional<std::int32_t> WholeNumber(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view number = text.substr(start, text.find_last_not_of(" \t") - start + 1);
    // from_chars takes a "-" but no "+".
    if (number.starts_with('+') && number.size() > 1 && number[1] != '-') number.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc{} || end != number.data() + number.size()) return std::nullopt;
    return value;
}

std::size_t ReadArgText(std::string_view rest, std::string& out) {
    bool open = false;
    std::size_t i = 0;
    while (i < rest.size() && i < kMaxLineLength) {
        char c = rest[i];
        if (c == ',') break;
        if (c == ')') {
            if (!open) break;
            open = false;
        } else if (c == '(') {
            open = true;
        }
        ++i;
    }
    std::size_t kept = i;
    while (kept > 0 && rest[kept - 1] == ' ') --kept;
    out.assign(rest.substr(0, kept));
    return i;
}

std::size_t ReadWord(std::string_view rest, std::string& out) {
    int depth = 0;
    std::size_t i = 0;
    while (i < rest.size()) {
        char c = rest[i];
        if (c == ' ' || c == ',') break;
        if (c == ')') {
            if (depth == 0) break;
            --depth;
        } else if (c == '(') {
            ++depth;
        }
        ++i;
        Check(i < kStringBufferSize, "String buffer overflow");
    }
    out.assign(rest.substr(0, i));
    return i;
}

std::string NextWord(std::string_view& cursor) {
    std::size_t i = 0;
    while (i < cursor.size() && cursor[i] == ' ') ++i;
    std::size_t start = i;
    while (i < cursor.size() && cursor[i] != ' ' && cursor[i] != '\t' && !IsLineBreak(cursor[i])) ++i;
    std::string word(cursor.substr(start, std::min(i - start, kMaxWordLength)));
    while (i < cursor.size() && cursor[i] == ' ') ++i;
    cursor.remove_prefix(i);
    return word;
}

std::string NextLineText(std::string_view& cursor) {
    std::size_t i = 0;
    while (i < cursor.size() && cursor[i] == ' ') ++i;
    std::size_t start = i;
    while (i < cursor.size() && !IsLineBreak(cursor[i])) ++i;
    std::string line(cursor.substr(start, std::min(i - start, kMaxWordLength)));
    while (i < cursor.size() && IsLineBreak(cursor[i])) ++i;
    cursor.remove_prefix(i);
    return line;
}

std::string StripQuotes(std::string_view text) {
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);
    return std::string(text);
}

char ToUpperChar(char c) {
    auto u = static_cast<unsigned char>(c);
    if ((c >= 'a' && c <= 'z') || u >= 0xE0) return static_cast<char>(u - 32);
    return c;
}

}  // namespace sced

namespace sced {

std::string MissingSectionText(std::string_view file, std::string_view section) {
    return std::string(file) + ": cannot find the " + std::string(section) + " section.";
}

std::string LongLineText(std::string_view file, std::string_view section) {
    return std::string(file) + ": a line of the " + std::string(section) +
           " section is longer than 1024 characters.";
}

}  // namespace sced

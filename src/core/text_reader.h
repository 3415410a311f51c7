#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sced {

// Line and section lengths beyond which a line-based format refuses a line.
inline constexpr std::size_t kMaxLineLength = 1024;

// A whole text file held in memory with a reading position. The text ends at
// its first zero byte, as the game's own readers see it.
class TextReader {
public:
    // Result codes of ReadLine.
    enum LineResult : int { kEnd = 0, kHeader = 1, kText = 2, kTooLong = 4 };

    // Reads the whole file; error() is 1 when it cannot be opened.
    void Open(const std::filesystem::path& path);
    // Takes a copy of text that is already in memory.
    void OpenText(std::string_view bytes);
    void Close();

    // Moves the position to the line after the first occurrence of the
    // keyword anywhere in the text; nonzero (and error 1) when it does not
    // occur, or when the keyword's line is too long.
    int FindSection(std::string_view keyword);

    // The half-open range from the line after the keyword to the first
    // "#END" after it, as offsets into text(). The position is not moved.
    // Nothing (error 3 or 5) when the keyword or the "#END" is missing.
    struct Block {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    std::optional<Block> FindBlock(std::string_view keyword);

    // Returns the next line of the section; see LineResult. A line that
    // begins with "#END" ends the section and is never consumed.
    int ReadLine(std::string& line);

    std::string_view text() const { return text_; }
    int error() const { return error_; }
    bool hasPosition() const { return position_.has_value(); }
    std::optional<std::size_t> position() const { return position_; }

private:
    std::size_t LineEnd(std::size_t from) const;
    std::size_t SkipLineBreaks(std::size_t from) const;

    std::string text_;
    int error_ = 0;
    std::optional<std::size_t> position_;
};

// The offset of the first occurrence of the keyword at the start of a line
// at or after from and before to; npos when there is none.
std::size_t FindAtLineStart(std::string_view text, std::string_view keyword, std::size_t from = 0,
                            std::size_t to = std::string_view::npos);

// A name as a line of a name section, so that ReadLine and NameLines give
// it back: a name that begins with "#" gets a second one, which they drop.
std::string NameLine(std::string_view name);

// Whether NameLine's line reads back as the name: it must not be empty
// (blank lines are skipped) and must hold no control character (a line
// break would split it, a zero byte ends the text).
bool NameLineReadsBack(std::string_view name);
// Whether the text holds a byte below 0x20 or 0x7F.
bool HasControlCharacter(std::string_view text);
// The name with every control character shown as "\x0A", for messages.
std::string ReadableName(std::string_view name);

// One section of a text walked section by section: the header line and the
// body between it and its "#END" line (or the end of the text).
struct TextSection {
    std::string_view header;  // without trailing blanks
    std::string_view body;    // begins after the header's own line break
    bool ended = false;       // closed by an "#END" line, not by the text's end
};
// The sections of the text. A header is a line that begins with "#" and
// stands between sections; a section ends only at a line that is "#END"
// (trailing blanks aside), so its body may hold any other line. Lines end at
// CR LF, LF or CR. Linear in the text's size.
std::vector<TextSection> SplitSections(std::string_view text);
// The body of the first section with that header; nothing when none.
std::optional<std::string_view> FindSectionBody(const std::vector<TextSection>& sections,
                                                std::string_view header);
// Whether the line ends a section.
bool IsEndLine(std::string_view line);
// The names of a section body, one a line and taken whole: blank lines
// skipped, one leading "#" dropped.
std::vector<std::string> NameLines(std::string_view body);

// Every CR LF pair as a single LF.
std::string CrLfToLf(std::string_view text);

// Token functions shared by the format readers. Each takes the rest of the
// text from the reading position; the end of the view stands for the text's
// terminating zero.

// Spaces, tabs, one line break at a time and "%" comments to the end of
// their line; returns how many characters to skip.
std::size_t SkipBlanks(std::string_view rest);
// Blanks, one optional ",", blanks again; returns how many characters to skip.
std::size_t SkipSeparator(std::string_view rest);
// A letter, "_" or code page 1251 letter, then those or digits; a directly
// following "(", two letters and ")" belong to it. Returns the length.
std::size_t ReadIdentifier(std::string_view rest, std::string& out);
// An optional "-" that a digit must follow, then digits. Returns the length.
std::size_t ReadIntegerToken(std::string_view rest, std::string& out);
// The decimal number at the start of the text as "%d" reads it (blanks
// skipped, optional sign), or nothing when there is none. Saturates.
std::optional<std::int32_t> ScanInteger(std::string_view text);
// ScanInteger, 0 when no number can be read.
std::int32_t ParseInteger(std::string_view text);
// A whole decimal number and nothing else (blanks around it and a sign
// allowed), or nothing: "12.75", "1e9", "0x7f", "5 6", "300x" and numbers
// beyond 32 bits are no number. What a designer types is read this way.
std::optional<std::int32_t> WholeNumber(std::string_view text);
// Up to the first ",", a ")" with no open "(" before it, or the end, at most
// 1024 characters; trailing spaces cut. Returns the characters consumed.
std::size_t ReadArgText(std::string_view rest, std::string& out);
// Up to a space, ",", the end or a ")" that closes no "(" of the word.
// Raises "String buffer overflow" at 262144 characters.
std::size_t ReadWord(std::string_view rest, std::string& out);
// The next blank-separated word of a line (at most 255 characters); the
// cursor moves past it and the spaces after it.
std::string NextWord(std::string_view& cursor);
// The rest of the line after leading spaces (at most 255 characters); the
// cursor moves past it and its line break characters.
std::string NextLineText(std::string_view& cursor);
// Removes one leading and then one trailing double quote.
std::string StripQuotes(std::string_view text);
// Upper case for Latin and code page 1251 Cyrillic letters.
char ToUpperChar(char c);

}  // namespace sced

namespace sced {

// Error texts of the line-based readers, naming the file and the section:
// "Data\FuncStruct: cannot find the #CONDITION section."
std::string MissingSectionText(std::string_view file, std::string_view section);
// "Data\str: a line of the #STRINGS section is longer than 1024 characters."
std::string LongLineText(std::string_view file, std::string_view section);

}  // namespace sced

#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace sced::cli {

// Writes printed lines: the stored bytes, or UTF-8 with --utf8; each line
// ends in LF.
class Output {
public:
    Output(std::ostream& stream, bool utf8) : stream_(stream), utf8_(utf8) {}

    void Line(std::string_view text);
    // Bytes as they are, converted with --utf8 but with no line end added.
    void Bytes(std::string_view bytes);
    bool utf8() const { return utf8_; }

private:
    std::ostream& stream_;
    bool utf8_;
};

// Why the last call of the system failed, as the system words it.
std::string SystemReason();

// Writes the bytes to standard output; the system's reason when that
// fails, else "".
std::string WriteStandardOutput(std::string_view bytes);

// A text file the tool writes for the designer (listing, dump): its bytes,
// as UTF-8 with --utf8. Raises with the path and the system's reason when
// it cannot be written.
void WriteTextFile(const std::filesystem::path& path, std::string_view bytes, bool utf8, std::string_view what);
// A text file the designer hands the tool: its bytes in code page 1251,
// converted from UTF-8 with --utf8. Raises when it cannot be read or holds
// a character the code page cannot hold (naming the line).
std::string ReadTextFile(const std::filesystem::path& path, bool utf8, std::string_view what);

}  // namespace sced::cli

#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sced::cli {

// The command line's arguments as CLI11 takes them. On Windows they are read
// as Unicode and held as UTF-8: the narrow arguments went through the
// system's code page, which loses a Cyrillic name on a Western Windows.
class CommandLine {
public:
    CommandLine(int argc, char** argv);
    int count() const { return static_cast<int>(pointers_.size()); }
    char** values() { return pointers_.data(); }

private:
    std::vector<std::string> arguments_;
    std::vector<char*> pointers_;
};

// A file or folder given on the command line.
std::filesystem::path PathArgument(const std::string& argument);

// A mission or map given on the command line, as the game's files name it
// (code page 1251); raises when the code page cannot hold it.
std::string NameArgument(const std::string& argument);

// A text given on the command line, in code page 1251: converted from
// UTF-8 with --utf8, and always on Windows, whose command line is Unicode
// (raises when the code page cannot hold it).
std::string ArgumentText(const std::string& text, bool utf8);

}  // namespace sced::cli

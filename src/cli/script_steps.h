#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace sced::cli {

// One step of a designer script: its line number, its first word and the
// rest of the line.
struct ScriptStep {
    int line = 0;
    std::string word;
    std::string rest;
};

// What stops a script: the line and what went wrong.
struct ScriptStop {
    int line = 0;
    std::string what;
};

// The steps of a script: comments ("#") and blank lines skipped; texts in
// UTF-8 are turned into code page 1251 when asked (a character the code
// page cannot hold stops the script).
class ScriptSteps {
public:
    ScriptSteps(std::istream& in, bool utf8);
    std::optional<ScriptStep> Next();
    // The line of the last step taken (the last line at the end).
    int line() const { return line_; }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    int line_ = 0;
    bool utf8_;
};

// The words of a path of texts: "A / B / C".
std::vector<std::string> PathTexts(const std::string& text);

}  // namespace sced::cli

#include "cli/script_steps.h"

#include "core/code_page.h"
#include "core/scenario_error.h"

namespace sced::cli {

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

ScriptSteps::ScriptSteps(std::istream& in, bool utf8) : utf8_(utf8) {
    for (std::string line; std::getline(in, line);) lines_.push_back(line);
    Check(!in.bad(), "The script cannot be read to its end.");
}

std::optional<ScriptStep> ScriptSteps::Next() {
    while (next_ < lines_.size()) {
        line_ = static_cast<int>(++next_);
        std::string text = Trimmed(lines_[next_ - 1]);
        if (text.empty() || text.front() == '#') continue;
        if (utf8_) {
            Utf8Conversion converted = Utf8ToCp1251(text);
            if (converted.failedAt)
                throw ScriptStop{line_, "a character that code page 1251 cannot hold, or text that is not UTF-8"};
            text = converted.bytes;
        }
        std::size_t blank = text.find_first_of(" \t");
        ScriptStep step{line_, text.substr(0, blank), {}};
        if (blank != std::string::npos) step.rest = Trimmed(text.substr(blank));
        return step;
    }
    return std::nullopt;
}

std::vector<std::string> PathTexts(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t slash = text.find(" / ", start);
        parts.push_back(Trimmed(text.substr(start, slash == std::string::npos ? std::string::npos : slash - start)));
        if (slash == std::string::npos) return parts;
        start = slash + 3;
    }
}

}  // namespace sced::cli

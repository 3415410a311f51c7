#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace sced {

// The one error of the program: a failed check anywhere raises it with its
// text, and only the outermost guard (the editor's application object,
// sced-cli's main) catches it.
class ScenarioError : public std::exception {
public:
    explicit ScenarioError(std::string text) : text_(std::move(text)) {}

    const std::string& text() const noexcept { return text_; }
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

// Raises the text when the condition is false.
void Check(bool condition, std::string_view text);
// Raises text1 immediately followed by text2.
void CheckJoined(bool condition, std::string_view text1, std::string_view text2);
// Raises the text followed by the first 64 characters of rest in quotes and "...".
void CheckExcerpt(bool condition, std::string_view text, std::string_view rest);
[[noreturn]] void Fail(std::string_view text);

}  // namespace sced

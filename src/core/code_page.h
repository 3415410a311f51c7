#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

// The Unicode character of a code page 1251 byte (U+FFFD for 0x98, which
// the code page leaves unassigned).
char32_t Cp1251ToUnicode(unsigned char byte);
// The code page 1251 byte of a Unicode character; nothing when the code
// page cannot hold it.
std::optional<char> UnicodeToCp1251(char32_t character);

// Code page 1251 bytes as UTF-8.
std::string Cp1251ToUtf8(std::string_view bytes);

// UTF-8 as code page 1251 bytes; with a replacement, a character the code
// page cannot hold becomes it instead of failing the conversion.
struct Utf8Conversion {
    std::string bytes;
    // When the text is not valid UTF-8 or holds a character the code page
    // cannot hold: the offset of the first such character in the input.
    std::optional<std::size_t> failedAt;
};
Utf8Conversion Utf8ToCp1251(std::string_view text, std::optional<char> replacement = std::nullopt);

}  // namespace sced

namespace sced {

// The text with every Latin and Cyrillic capital in lower case (Ё, Ґ, Є, І,
// Ї and the other capitals of the code page included).
std::string FoldCase(std::string_view bytes);
// Whether the text holds the needle, ignoring case; the needle is folded
// already (FoldCase).
bool ContainsIgnoringCase(std::string_view text, std::string_view foldedNeedle);

}  // namespace sced

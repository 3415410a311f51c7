#include "core/code_page.h"

#include <array>
#include <cstdint>

namespace sced {

namespace {

// Unicode code points of the bytes 0x80..0xFF of code page 1251.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The character at the start of the text and its length in bytes; nothing
// for a byte sequence that is not UTF-8 (overlong forms and surrogates
// included).
std::optional<std::pair<char32_t, std::size_t>> DecodeUtf8(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return std::pair<char32_t, std::size_t>{lead, 1};
    std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead >= 0xF5 || text.size() < length) return std::nullopt;
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = cp << 6 | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return std::pair<char32_t, std::size_t>{cp, length};
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) { return byte < 0x80 ? byte : kUpperHalf[byte - 0x80]; }

std::optional<char> UnicodeToCp1251(char32_t character) {
    if (character < 0x80) return static_cast<char>(character);
    if (character == 0xFFFD) return std::nullopt;
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == character) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

Utf8Conversion Utf8ToCp1251(std::string_view text, std::optional<char> replacement) {
    Utf8Conversion result;
    result.bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        auto decoded = DecodeUtf8(text.substr(at));
        std::optional<char> byte = decoded ? UnicodeToCp1251(decoded->first) : std::nullopt;
        if (decoded && !byte) byte = replacement;
        if (!byte) {
            result.failedAt = at;
            return result;
        }
        result.bytes += *byte;
        at += decoded->second;
    }
    return result;
}

}  // namespace sced

namespace sced {

namespace {

// The lower-case letter of a Latin or Cyrillic capital; other characters
// stay as they are.
char32_t LowerCase(char32_t cp) {
    if (cp >= U'A' && cp <= U'Z') return cp + 0x20;
    if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;  // А..Я
    if (cp >= 0x0400 && cp <= 0x040F) return cp + 0x50;  // Ѐ..Џ, Ё and Є, І, Ї among them
    if (cp == 0x0490) return 0x0491;                      // Ґ
    return cp;
}

const std::array<char, 256>& FoldTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> folded{};
        for (int b = 0; b < 256; ++b) {
            char32_t lower = LowerCase(Cp1251ToUnicode(static_cast<unsigned char>(b)));
            folded[static_cast<std::size_t>(b)] = UnicodeToCp1251(lower).value_or(static_cast<char>(b));
        }
        return folded;
    }();
    return table;
}

}  // namespace

std::string FoldCase(std::string_view bytes) {
    const std::array<char, 256>& table = FoldTable();
    std::string folded(bytes.size(), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) folded[i] = table[static_cast<unsigned char>(bytes[i])];
    return folded;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view foldedNeedle) {
    if (foldedNeedle.empty()) return true;
    if (text.size() < foldedNeedle.size()) return false;
    const std::array<char, 256>& table = FoldTable();
    auto fold = [&](char c) { return table[static_cast<unsigned char>(c)]; };
    std::size_t last = text.size() - foldedNeedle.size();
    for (std::size_t i = 0; i <= last; ++i) {
        if (fold(text[i]) != foldedNeedle[0]) continue;
        std::size_t k = 1;
        while (k < foldedNeedle.size() && fold(text[i + k]) == foldedNeedle[k]) ++k;
        if (k == foldedNeedle.size()) return true;
    }
    return false;
}

}  // namespace sced

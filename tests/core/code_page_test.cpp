#include <gtest/gtest.h>

#include "core/code_page.h"

namespace sced {
namespace {

TEST(CodePage, EveryByteGoesToUtf8AndBack) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) all += static_cast<char>(b);  // the one byte the code page leaves unassigned
    Utf8Conversion back = Utf8ToCp1251(Cp1251ToUtf8(all));
    EXPECT_FALSE(back.failedAt.has_value());
    EXPECT_EQ(back.bytes, all);
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xB9"), "\u0410\u044F\u2116");
}

TEST(CodePage, Utf8ThatTheCodePageCannotHoldIsFoundWhereItStands) {
    struct Case {
        std::string text;
        std::size_t at;
    };
    const Case cases[] = {
        {"ab\u4E2D", 2},         // a character outside the code page
        {"a\xC3", 1},            // cut short
        {"ab\xC0\x80", 2},       // an overlong form of NUL
        {"\xED\xA0\x80", 0},     // a surrogate
        {"x\x80", 1},            // a continuation byte alone
        {"\xF4\x90\x80\x80", 0}, // past U+10FFFF
        {"\xEF\xBF\xBD", 0},     // U+FFFD, which no byte gives
    };
    for (const Case& c : cases) {
        Utf8Conversion converted = Utf8ToCp1251(c.text);
        ASSERT_TRUE(converted.failedAt.has_value()) << c.text;
        EXPECT_EQ(*converted.failedAt, c.at) << c.text;
    }
}

TEST(CodePage, FindingIgnoresTheCaseOfLatinAndCyrillicLetters) {
    // "Ёлка" in capitals, with Ґ, І and Є, the letters outside А..Я.
    const std::string upper = "ABC \xA8\xCB\xCA\xC0 \xA5\xB2\xAA 1-2";
    const std::string lower = "abc \xB8\xEB\xEA\xE0 \xB4\xB3\xBA 1-2";
    EXPECT_EQ(FoldCase(upper), lower);
    EXPECT_EQ(FoldCase(lower), lower);
    EXPECT_TRUE(ContainsIgnoringCase("Attack " + upper, FoldCase("\xEB\xCA\xE0")));
    EXPECT_TRUE(ContainsIgnoringCase("x", ""));
    EXPECT_FALSE(ContainsIgnoringCase("Attack", "attack clock"));
}

}  // namespace
}  // namespace sced

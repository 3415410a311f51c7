#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace sced::cli {

// Code page 1251 bytes as UTF-8.
std::string Cp1251ToUtf8(std::string_view bytes);

// Writes printed lines: the stored bytes, or UTF-8 with --utf8; each line
// ends in LF.
class Output {
public:
    Output(std::ostream& stream, bool utf8) : stream_(stream), utf8_(utf8) {}

    void Line(std::string_view text);

private:
    std::ostream& stream_;
    bool utf8_;
};

}  // namespace sced::cli

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sced {

// The longest title the descriptor's first line carries.
inline constexpr std::size_t kTitleLength = 511;

// The title as the descriptor's first line carries it: its lines joined
// with one space and cut to 511 bytes, each change with a warning that
// says so. A title that is one line of at most 511 bytes comes back whole.
std::string OneLineTitle(std::string_view title);

}  // namespace sced

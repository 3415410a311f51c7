#pragma once

#include <string>

namespace sced {

// The mission script's scrambling, its own inverse: every 32-bit
// little-endian word that starts more than 4 bytes before the end is XORed
// with 0x2E7B19D4; the last 1 to 4 bytes, and files of 4 bytes or fewer,
// stay as they are.
void Scramble(std::string& bytes);

}  // namespace sced

#include "files/scramble.h"

#include <cstdint>

namespace sced {

void Scramble(std::string& bytes) {
    constexpr std::uint32_t kKey = 0x2E7B19D4;
    if (bytes.size() <= 4) return;
    for (std::size_t offset = 0; offset < bytes.size() - 4; offset += 4)
        for (std::size_t i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<char>(static_cast<unsigned char>(bytes[offset + i]) ^
                                                  ((kKey >> (8 * i)) & 0xFFu));
}

}  // namespace sced

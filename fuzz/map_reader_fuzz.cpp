// Map bytes of any shape: the readers never read outside them, never give a
// name longer than 127 bytes, and a script field they find lies in the file.

#include <cstdint>
#include <string_view>

#include "files/map_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto contents = sced::ParseMap(bytes);
    if (contents) {
        for (const auto& name : contents->zones)
            if (name.size() > 127) __builtin_trap();
        for (const auto& name : contents->groups)
            if (name.size() > 127) __builtin_trap();
    }
    auto field = sced::FindScriptField(bytes);
    if (field && (*field > size || size - *field < sced::kScriptFieldSize)) __builtin_trap();
    return 0;
}

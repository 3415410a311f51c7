// A plain mission script.

#include <cstdint>
#include <string>

#include "script_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sced::fuzz::ReadScriptTwice(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

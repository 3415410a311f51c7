#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/byte_view.h"

namespace sced {

// The drawing values of one part, unpacked from its encoding; failure says
// why when its data could not be read whole.
struct UnpackedPart {
    std::vector<std::uint8_t> values;
    std::string failure;
};

// Unpacks length values of the encoding from the data at dataStart. Packed
// encodings may copy from the file's shared block (at shared) or from what
// they have already put out; nothing is read outside the file or before the
// output's start.
UnpackedPart UnpackPart(ByteView file, std::size_t dataStart, int encoding, std::size_t length, std::size_t shared);

}  // namespace sced

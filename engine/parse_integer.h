#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

// Reads a signed 32-bit integer: optional leading blanks, then either "$" and hex digits
// (the bit pattern taken as signed) or an optional sign and decimal digits, to the end.
// Throws EConvertError "'<text>' is not a valid integer value" for anything else.
std::int32_t ParseInteger(std::string_view text);

} // namespace engine

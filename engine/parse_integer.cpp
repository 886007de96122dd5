#include "parse_integer.h"

#include "errors.h"

#include <string>

namespace engine {

namespace {

[[noreturn]] void fail(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::int32_t ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i == text.size())
        fail(text);

    if (text[i] == '$') {
        ++i;
        if (i == text.size())
            fail(text);
        std::uint32_t value = 0;
        for (; i < text.size(); ++i) {
            const int digit = hexDigit(text[i]);
            if (digit < 0 || value > 0x0FFFFFFFu)
                fail(text);
            value = value * 16u + static_cast<std::uint32_t>(digit);
        }
        return static_cast<std::int32_t>(value); // the bit pattern, read as signed
    }

    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        fail(text);
    std::uint32_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9' || magnitude > 214748364u)
            fail(text);
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (!negative && magnitude > 2147483647u)
        fail(text);
    if (negative && magnitude > 2147483648u)
        fail(text);
    // Negate in unsigned arithmetic so that -2147483648 needs no signed overflow.
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

} // namespace engine

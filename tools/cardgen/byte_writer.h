#pragma once

#include <cstdint>
#include <vector>

namespace cardgen {

// Appends little- and big-endian integers to a byte buffer; the file formats here need both.
class ByteWriter {
public:
    void U8(unsigned v) { bytes_.push_back(static_cast<std::uint8_t>(v & 0xFFu)); }
    void U16(unsigned v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFFu);
        U16(v >> 16);
    }
    void S32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void U32BigEndian(std::uint32_t v) {
        U8(v >> 24);
        U8(v >> 16);
        U8(v >> 8);
        U8(v);
    }
    void Append(const std::vector<std::uint8_t>& more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
    }

    std::vector<std::uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace cardgen

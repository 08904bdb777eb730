#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

namespace foxp {

// The key stream that enciphers one index entry or one file of an archive.
// Its seed is the CRC-32 of the key text followed by the four bytes of the
// archive's check value (least significant first); a check value of 0 means
// the archive is stored plain, and the stream leaves buffers unchanged.
//
// Apply XORs every whole 32-bit little-endian word with one draw of the
// generator, and 1 to 3 remaining bytes with the low bytes of one more draw.
// A stream covers one buffer from its first draw: make a new stream for
// every buffer.
class KeyStream {
public:
    KeyStream(const std::string& key, std::uint32_t checkValue);

    void Apply(void* buffer, std::size_t length);

    bool IsEnabled() const { return enabled_; }

    // The generator's seed for a key text and a check value.
    static std::uint32_t Seed(const std::string& key, std::uint32_t checkValue);

private:
    bool enabled_;
    std::mt19937 generator_;
};

}  // namespace foxp

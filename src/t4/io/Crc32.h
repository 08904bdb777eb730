#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The CRC-32 of IEEE 802.3 and zlib (reflected polynomial 0x04C11DB7),
// worked one byte at a time on a raw register: callers start the register at
// 0xFFFFFFFF and complement it when they are done.
namespace Crc32 {

// register = (register >> 8) ^ table[(register ^ byte) & 0xFF] for every byte.
void Update(std::uint32_t& reg, const std::string& text);
void Update(std::uint32_t& reg, const void* data, std::size_t size);
// Feeds the four bytes of a value, least significant first.
void UpdateLittleEndian(std::uint32_t& reg, std::uint32_t value);

// The complete CRC-32 of a text (start 0xFFFFFFFF, final complement).
std::uint32_t Of(const std::string& text);

}  // namespace Crc32

#include "t4/io/Crc32.h"

#include <boost/crc.hpp>

#include <array>

namespace Crc32 {

namespace {

// The byte table of Boost.CRC for the reflected CRC-32: entry b is the raw
// register after feeding byte b into a zero register.
const std::array<std::uint32_t, 256>& Table()
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (unsigned b = 0; b < 256; ++b) {
            boost::crc_optimal<32, 0x04C11DB7, 0, 0, true, true> crc;
            crc.process_byte(static_cast<unsigned char>(b));
            t[b] = crc.checksum();
        }
        return t;
    }();
    return table;
}

}  // namespace

void Update(std::uint32_t& reg, const void* data, std::size_t size)
{
    const auto& table = Table();
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        reg = (reg >> 8) ^ table[(reg ^ bytes[i]) & 0xFFu];
}

void Update(std::uint32_t& reg, const std::string& text)
{
    Update(reg, text.data(), text.size());
}

void UpdateLittleEndian(std::uint32_t& reg, std::uint32_t value)
{
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value & 0xFFu),
        static_cast<unsigned char>((value >> 8) & 0xFFu),
        static_cast<unsigned char>((value >> 16) & 0xFFu),
        static_cast<unsigned char>((value >> 24) & 0xFFu),
    };
    Update(reg, bytes, sizeof bytes);
}

std::uint32_t Of(const std::string& text)
{
    std::uint32_t reg = 0xFFFFFFFFu;
    Update(reg, text);
    return ~reg;
}

}  // namespace Crc32

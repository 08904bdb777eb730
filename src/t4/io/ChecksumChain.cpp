#include "t4/io/ChecksumChain.h"

#include "t4/io/Crc32.h"
#include "t4/io/token_container.h"

#include <string>

void ChecksumChain(std::uint32_t& value, const t4::token_container& line)
{
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value & 0xFFu),
        static_cast<unsigned char>((value >> 8) & 0xFFu),
        static_cast<unsigned char>((value >> 16) & 0xFFu),
        static_cast<unsigned char>((value >> 24) & 0xFFu),
    };
    std::uint32_t reg = 0xFFFFFFFFu;
    Crc32::Update(reg, bytes, sizeof bytes);
    for (const std::string& token : line)
        Crc32::Update(reg, token);
    value = ~reg;
}

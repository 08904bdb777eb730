#include "t4/io/ChecksumChain.h"

#include "t4/io/Crc32.h"
#include "t4/io/token_container.h"

#include <string>

void ChecksumChain(std::uint32_t& value, const t4::token_container& line)
{
    std::uint32_t reg = 0xFFFFFFFFu;
    Crc32::UpdateLittleEndian(reg, value);
    for (const std::string& token : line)
        Crc32::Update(reg, token);
    value = ~reg;
}

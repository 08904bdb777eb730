#include "foxp/KeyStream.h"

#include "t4/io/Crc32.h"

namespace foxp {

KeyStream::KeyStream(const std::string& key, std::uint32_t checkValue)
    : enabled_(checkValue != 0), generator_(Seed(key, checkValue))
{
}

std::uint32_t KeyStream::Seed(const std::string& key, std::uint32_t checkValue)
{
    std::uint32_t reg = 0xFFFFFFFFu;
    Crc32::Update(reg, key);
    Crc32::UpdateLittleEndian(reg, checkValue);
    return ~reg;
}

void KeyStream::Apply(void* buffer, std::size_t length)
{
    if (!enabled_)
        return;
    auto* bytes = static_cast<unsigned char*>(buffer);
    // One draw over the full 32-bit range is one raw output of the generator;
    // the generator is called directly so that the archive layout does not
    // depend on how a library implements its distributions.
    const std::size_t words = length / 4;
    for (std::size_t w = 0; w < words; ++w) {
        const std::uint32_t draw = static_cast<std::uint32_t>(generator_());
        unsigned char* p = bytes + 4 * w;
        for (int b = 0; b < 4; ++b)
            p[b] ^= static_cast<unsigned char>((draw >> (8 * b)) & 0xFFu);
    }
    const std::size_t rest = length % 4;
    if (rest != 0) {
        const std::uint32_t draw = static_cast<std::uint32_t>(generator_());
        unsigned char* p = bytes + 4 * words;
        for (std::size_t b = 0; b < rest; ++b)
            p[b] ^= static_cast<unsigned char>((draw >> (8 * b)) & 0xFFu);
    }
}

}  // namespace foxp

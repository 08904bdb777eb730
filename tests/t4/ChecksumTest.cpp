#include "t4/io/ChecksumChain.h"
#include "t4/io/Crc32.h"
#include "t4/io/token_container.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A plain bit-at-a-time CRC-32 (reflected 0x04C11DB7), written without the
// library's table, to check the library against.
std::uint32_t BitwiseCrc32(const std::vector<unsigned char>& bytes)
{
    std::uint32_t reg = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        reg ^= b;
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1u) ? (reg >> 1) ^ 0xEDB88320u : reg >> 1;
    }
    return ~reg;
}

t4::token_container Line(const std::vector<std::string>& tokens)
{
    t4::token_container line;
    for (const auto& t : tokens)
        line << t;
    return line;
}

std::uint32_t Chained(std::uint32_t seed, const std::vector<std::vector<std::string>>& lines)
{
    for (const auto& tokens : lines)
        ChecksumChain(seed, Line(tokens));
    return seed;
}

}  // namespace

TEST(Crc32, StandardCheckValueAndEmptyInput)
{
    EXPECT_EQ(0xCBF43926u, Crc32::Of("123456789"));
    EXPECT_EQ(0u, Crc32::Of(""));

    std::uint32_t reg = 0x12345678u;
    Crc32::Update(reg, std::string());
    EXPECT_EQ(0x12345678u, reg);

    // Feeding in pieces is feeding the whole.
    reg = 0xFFFFFFFFu;
    Crc32::Update(reg, "1234");
    Crc32::Update(reg, "56789", 5);
    EXPECT_EQ(0xCBF43926u, ~reg);
}

TEST(ChecksumChain, MatchesReferenceValues)
{
    // Values computed elsewhere with zlib's crc32 over the little-endian
    // value followed by the token texts.
    EXPECT_EQ(0x68DB4310u, Chained(LevelChecksumSeed, {{"ab"}}));
    EXPECT_EQ(0x68DB4310u, Chained(LevelChecksumSeed, {{"a", "b"}}));
    EXPECT_EQ(0x78E23B58u, Chained(ProfileChecksumSeed, {{}}));
    EXPECT_EQ(988248733u, Chained(ProfileChecksumSeed, {{"Anna", "3"}, {"Bob", "12", ""}}));
}

TEST(ChecksumChain, EqualsCrcOfValueBytesAndTokenTexts)
{
    const std::vector<std::vector<std::string>> lines = {
        {"General"}, {"1", "-3", "", "x y"}, {}, {"\xFF\x01", "{;}"}};
    std::uint32_t value = 0x89ABCDEFu;
    for (const auto& tokens : lines) {
        std::vector<unsigned char> bytes = {
            static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
            static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
        for (const auto& t : tokens)
            bytes.insert(bytes.end(), t.begin(), t.end());
        const std::uint32_t expected = BitwiseCrc32(bytes);

        const t4::token_container line = Line(tokens);
        ChecksumChain(value, line);
        EXPECT_EQ(expected, value);
        EXPECT_EQ(tokens.size(), line.size());
    }
}

TEST(ChecksumChain, IsOrderSensitive)
{
    EXPECT_NE(Chained(LevelChecksumSeed, {{"a", "b"}}), Chained(LevelChecksumSeed, {{"b", "a"}}));
    EXPECT_NE(Chained(LevelChecksumSeed, {{"a"}, {"b"}}), Chained(LevelChecksumSeed, {{"b"}, {"a"}}));
    EXPECT_NE(Chained(LevelChecksumSeed, {{"a"}}), Chained(ProfileChecksumSeed, {{"a"}}));
}

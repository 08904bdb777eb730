#include "FoxpFixtures.h"

#include "foxp/Checksum.h"
#include "foxp/KeyStream.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace foxptest;

TEST(FoxpVectors, PublishedCheckValues)
{
    EXPECT_EQ(foxp::Checksum("123456789"), 0xCBF43926u);
    EXPECT_EQ(foxp::Checksum("Hollow gate opens 7"), kResourceCheck);
    EXPECT_EQ(foxp::Checksum("Stage 4-7"), kLevelCheck);
    EXPECT_EQ(foxp::Checksum(""), 0u);

    std::mt19937 gen;
    for (int i = 1; i < 10000; ++i)
        gen();
    EXPECT_EQ(gen(), 4123659995u);
}

TEST(FoxpKeyStream, SeedIsCrcOfKeyThenCheckValueBytes)
{
    for (const std::string key : {"[index]0", "[index]17", "Gfx/Player.png", ""}) {
        boost::crc_32_type crc;
        crc.process_bytes(key.data(), key.size());
        const unsigned char check[4] = {0xA0, 0xB0, 0x28, 0x87};
        crc.process_bytes(check, 4);
        EXPECT_EQ(foxp::KeyStream::Seed(key, kResourceCheck), crc.checksum()) << key;
    }
}

// Every length from 0 to 9 covers whole words and 1 to 3 tail bytes (7 is
// one whole word and three tail bytes from a second draw).
TEST(FoxpKeyStream, MatchesRawGeneratorDrawsWordByWord)
{
    for (std::size_t length = 0; length <= 9; ++length) {
        std::string plain = Pattern(length, static_cast<unsigned>(length));
        std::string mine = plain;
        foxp::KeyStream("Sfx/Jump.wav", kResourceCheck).Apply(&mine[0], mine.size());
        std::string theirs = plain;
        HandCipher("Sfx/Jump.wav", kResourceCheck, &theirs[0], theirs.size());
        EXPECT_EQ(mine, theirs) << "length " << length;

        foxp::KeyStream("Sfx/Jump.wav", kResourceCheck).Apply(&mine[0], mine.size());
        EXPECT_EQ(mine, plain) << "applying twice restores, length " << length;
    }

    std::mt19937 gen(foxp::KeyStream::Seed("k", 1));
    const std::uint32_t first = static_cast<std::uint32_t>(gen());
    const std::uint32_t second = static_cast<std::uint32_t>(gen());
    unsigned char seven[7] = {};
    foxp::KeyStream("k", 1).Apply(seven, sizeof seven);
    EXPECT_EQ(seven[0] | seven[1] << 8 | seven[2] << 16 | static_cast<std::uint32_t>(seven[3]) << 24, first);
    EXPECT_EQ(seven[4], second & 0xFF);
    EXPECT_EQ(seven[5], (second >> 8) & 0xFF);
    EXPECT_EQ(seven[6], (second >> 16) & 0xFF);
}

TEST(FoxpKeyStream, CheckValueZeroLeavesBytesPlain)
{
    std::string bytes = "plain text";
    foxp::KeyStream stream("any key", 0);
    EXPECT_FALSE(stream.IsEnabled());
    stream.Apply(&bytes[0], bytes.size());
    EXPECT_EQ(bytes, "plain text");
}

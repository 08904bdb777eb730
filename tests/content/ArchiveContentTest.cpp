// The built resource archives hold every file the game asks for, each in a
// form its loader takes.
#include "BuiltArchive.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using contenttest::ReadEntry;

namespace {

class ArchiveContentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int n = 1; n <= 3; ++n)
            ASSERT_NO_THROW(archives_[n - 1].Open(contenttest::BuiltArchivePath(n), contenttest::ResourcePassword()))
                << contenttest::BuiltArchivePath(n);
    }

    foxp::Archive& Music() { return archives_[0]; }
    foxp::Archive& Graphics() { return archives_[1]; }
    foxp::Archive& Sounds() { return archives_[2]; }

private:
    foxp::Archive archives_[3];
};

std::uint32_t Le32(const std::string& b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t Le16(const std::string& b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

const char* const SoundNames[] = {
    "Jump", "Trampoline", "Spawn", "Warp", "Hurt", "Die", "Item", "Coin", "Energy", "Life",
    "Checkpoint", "Switch", "Rocket", "RollingBomb", "Mine", "Arrow", "Fireball", "Darkball", "Ufo", "Faller",
    "Explosion", "HeavyExpl", "Block", "Enemy", "Jetpack", "Lava"};

}  // namespace

TEST_F(ArchiveContentTest, EverySoundIsShortMono16BitPcm)
{
    for (const char* name : SoundNames) {
        SCOPED_TRACE(name);
        std::string wav = ReadEntry(Sounds(), std::string("Sfx/") + name + ".wav");
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(wav.substr(8, 4), "WAVE");
        EXPECT_EQ(wav.substr(12, 4), "fmt ");
        EXPECT_EQ(Le16(wav, 20), 1u) << "PCM";
        EXPECT_EQ(Le16(wav, 22), 1u) << "mono: positional sound needs one channel";
        EXPECT_EQ(Le16(wav, 34), 16u) << "bits per sample";
        EXPECT_EQ(Le32(wav, 4) + 8u, wav.size()) << "RIFF size";

        // Decoded the way the sound buffer decodes it (without needing an audio device).
        sf::InputSoundFile file;
        ASSERT_TRUE(file.openFromMemory(wav.data(), wav.size()));
        EXPECT_EQ(file.getChannelCount(), 1u);
        // Short, but for the two sounds that the game replays while their
        // condition lasts: those are long, so that they are seldom started again.
        const bool replayed = std::string(name) == "Jetpack" || std::string(name) == "Lava";
        float seconds = file.getDuration().asSeconds();
        EXPECT_GT(seconds, 0.05f);
        EXPECT_LT(seconds, replayed ? 12.0f : 2.5f);
        std::vector<sf::Int16> samples(static_cast<std::size_t>(file.getSampleCount()));
        ASSERT_EQ(file.read(samples.data(), samples.size()), samples.size());
        ASSERT_FALSE(samples.empty());
        // Not silent, and not clipped to the rails.
        int peak = 0;
        for (sf::Int16 sample : samples)
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32767);
        // Every sound starts and ends at rest, so replaying it does not click.
        EXPECT_LT(std::abs(samples[0]), 200);
        EXPECT_LT(std::abs(samples.back()), 200);
    }
}

TEST_F(ArchiveContentTest, EveryMusicTrackIsStereoOggOfItsKind)
{
    struct Track {
        const char* name;
        bool looped;
    };
    const Track tracks[] = {
        {"Forest1", true},         {"Forest2", true},        {"Forest3", true},  {"Forest4", true},
        {"Volcano1", true},        {"Volcano2", true},       {"Volcano3", true}, {"Volcano4", true},
        {"Lab1", true},            {"Lab2", true},           {"Lab3", true},     {"Lab4", true},
        {"Invulnerability", false}, {"TimeDistortion", false}, {"Jetpack", false}, {"EndOfLevel", false},
        {"GameOver", false},       {"Victory", true},        {"Menu", true}};
    for (const Track& track : tracks) {
        SCOPED_TRACE(track.name);
        std::string ogg = ReadEntry(Music(), std::string("Music/") + track.name + ".ogg");
        ASSERT_GE(ogg.size(), 4u);
        EXPECT_EQ(ogg.substr(0, 4), "OggS");
        sf::InputSoundFile file;
        ASSERT_TRUE(file.openFromMemory(ogg.data(), ogg.size()));
        EXPECT_EQ(file.getChannelCount(), 2u);
        float seconds = file.getDuration().asSeconds();
        if (track.looped) {
            // A player stays minutes in a level: its piece runs at least 90 s
            // before it repeats.
            EXPECT_GE(seconds, 90.0f);
            EXPECT_LE(seconds, 180.0f);
        } else {
            EXPECT_GE(seconds, 2.0f);
            EXPECT_LE(seconds, 10.0f);
        }
    }
}

TEST_F(ArchiveContentTest, FontLoads)
{
    std::string ttf = ReadEntry(Graphics(), "Brlnsdb.ttf");
    sf::Font font;
    ASSERT_TRUE(font.loadFromMemory(ttf.data(), ttf.size()));
    EXPECT_FALSE(font.getInfo().family.empty());
}

TEST_F(ArchiveContentTest, EveryTextureLoadsAtLeastAtItsSize)
{
    struct Texture {
        const char* name;
        unsigned width, height;
    };
    const Texture textures[] = {
        {"NormalTiles", 396, 504}, {"SpecialTiles", 432, 468}, {"Floor", 252, 42},
        {"Background1", 256, 192}, {"Background2", 256, 192},  {"Background3", 256, 192},
        {"Player", 144, 256},      {"Object", 318, 322},       {"Item", 150, 153},
        {"Scenery", 401, 242},     {"Menu", 432, 616},         {"Particles", 128, 64},
        {"Victory", 1024, 768}};
    for (const Texture& texture : textures) {
        SCOPED_TRACE(texture.name);
        std::string png = ReadEntry(Graphics(), std::string("Gfx/") + texture.name + ".png");
        if (png.empty())
            continue;
        sf::Image image;
        ASSERT_TRUE(image.loadFromMemory(png.data(), png.size()));
        EXPECT_GE(image.getSize().x, texture.width);
        EXPECT_GE(image.getSize().y, texture.height);
    }
}

TEST_F(ArchiveContentTest, ShadersDeclareTheUniformsTheGameSets)
{
    struct Shader {
        const char* name;
        std::vector<const char*> uniforms;
    };
    const Shader shaders[] = {
        {"BilinearTile",
         {"vec2 tileSW;", "vec2 tileS;", "vec2 tileSE;", "vec2 tileW;", "vec2 tileC;", "vec2 tileE;", "vec2 tileNW;",
          "vec2 tileN;", "vec2 tileNE;", "vec2 tileSize;"}},
        {"HorizontalBlur", {"sampler2D source;"}},
        {"VerticalBlur", {"sampler2D source;"}}};
    for (const Shader& shader : shaders) {
        SCOPED_TRACE(shader.name);
        std::string text = ReadEntry(Graphics(), std::string("Shader/") + shader.name + ".frag");
        EXPECT_EQ(text.rfind("#version 1", 0), 0u) << "the legacy pipeline's GLSL";
        for (const char* uniform : shader.uniforms)
            EXPECT_NE(text.find(std::string("uniform ") + uniform), std::string::npos) << uniform;
    }
}

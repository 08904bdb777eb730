// The sound, music and texture generators make the same bytes on every run:
// running them again gives exactly what the build packed.
#include "BuiltArchive.h"

#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using contenttest::ReadEntry;

namespace {

struct Generator {
    const char* binary;
    int archive;
    const char* folder;
    const char* extension;
    std::vector<const char*> names;
};

void ExpectSameAsPacked(const Generator& generator)
{
    testsupport::TempDataDir dir;
    const std::string out = dir.Path() + "/out";
    std::string command = std::string("'") + generator.binary + "' '" + out + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    foxp::Archive archive;
    archive.Open(contenttest::BuiltArchivePath(generator.archive), contenttest::ResourcePassword());
    for (const char* name : generator.names) {
        const std::string path = std::string(generator.folder) + "/" + name + generator.extension;
        std::string made = testsupport::ReadWholeFile(out + "/" + path);
        ASSERT_FALSE(made.empty()) << path << " was not written";
        EXPECT_TRUE(made == ReadEntry(archive, path)) << path << " differs from the packed file";
    }
}

}  // namespace

TEST(GeneratorTest, SoundEffectsAreReproducible)
{
    ExpectSameAsPacked({SFXGEN_BINARY, 3, "Sfx", ".wav",
                        {"Jump", "Trampoline", "Spawn", "Warp", "Hurt", "Die", "Item", "Coin", "Energy",
                         "Life", "Checkpoint", "Switch", "Rocket", "RollingBomb", "Mine", "Arrow", "Fireball",
                         "Darkball", "Ufo", "Faller", "Explosion", "HeavyExpl", "Block", "Enemy", "Jetpack",
                         "Lava"}});
}

TEST(GeneratorTest, MusicIsReproducible)
{
    ExpectSameAsPacked({MUSICGEN_BINARY, 1, "Music", ".ogg",
                        {"Forest1", "Forest2", "Forest3", "Forest4", "Volcano1", "Volcano2", "Volcano3",
                         "Volcano4", "Lab1", "Lab2", "Lab3", "Lab4", "Invulnerability", "TimeDistortion",
                         "Jetpack", "EndOfLevel", "GameOver", "Victory", "Menu"}});
}

TEST(GeneratorTest, TexturesAreReproducible)
{
    ExpectSameAsPacked({TEXGEN_BINARY, 2, "Gfx", ".png",
                        {"Background1", "Background2", "Background3", "Floor", "Item", "Menu", "NormalTiles",
                         "Object", "Particles", "Player", "Scenery", "SpecialTiles", "Victory"}});
}

#include "app/ResourceException.h"
#include "app/ResourceFile.h"
#include "app/ResourceManager.h"
#include "app/ArchivePasswords.h"

#include "support/FixtureArchives.h"
#include "support/TempDataDir.h"
#include "foxpack/ArchiveWriter.h"

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/System/Lock.hpp>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <stdexcept>

TEST(ResourceFiles, EveryIdMapsToItsFile)
{
    struct Case {
        std::function<ResourceFile(std::uint32_t)> table;
        std::uint32_t id;
        const char* path;
        bool smoothAndRepeated;
    } cases[] = {
        {FontFile, 0, "Brlnsdb.ttf", false},
        {ShaderFile, 0, "Shader/BilinearTile.frag", false},
        {ShaderFile, 1, "Shader/HorizontalBlur.frag", false},
        {ShaderFile, 2, "Shader/VerticalBlur.frag", false},
        {TextureFile, 0, "Gfx/NormalTiles.png", false},
        {TextureFile, 1, "Gfx/SpecialTiles.png", false},
        {TextureFile, 2, "Gfx/Floor.png", false},
        {TextureFile, 3, "Gfx/Background1.png", true},
        {TextureFile, 4, "Gfx/Background2.png", true},
        {TextureFile, 5, "Gfx/Background3.png", true},
        {TextureFile, 6, "Gfx/Player.png", false},
        {TextureFile, 7, "Gfx/Object.png", false},
        {TextureFile, 8, "Gfx/Item.png", false},
        {TextureFile, 9, "Gfx/Scenery.png", false},
        {TextureFile, 10, "Gfx/Menu.png", false},
        {TextureFile, 11, "Gfx/Particles.png", false},
        {TextureFile, 12, "Gfx/Victory.png", false},
        {SoundFile, 0, "Sfx/Jump.wav", false},
        {SoundFile, 7, "Sfx/Coin.wav", false},
        {SoundFile, 13, "Sfx/RollingBomb.wav", false},
        {SoundFile, 21, "Sfx/HeavyExpl.wav", false},
        {SoundFile, 23, "Sfx/Enemy.wav", false},
        {SingleSoundFile, 24, "Sfx/Jetpack.wav", false},
        {SingleSoundFile, 25, "Sfx/Lava.wav", false},
        {MusicFile, 0, "Music/Forest1.ogg", false},
        {MusicFile, 4, "Music/Volcano1.ogg", false},
        {MusicFile, 11, "Music/Lab4.ogg", false},
        {MusicFile, 12, "Music/Invulnerability.ogg", false},
        {MusicFile, 13, "Music/TimeDistortion.ogg", false},
        {MusicFile, 14, "Music/Jetpack.ogg", false},
        {MusicFile, 15, "Music/EndOfLevel.ogg", false},
        {MusicFile, 16, "Music/GameOver.ogg", false},
        {MusicFile, 17, "Music/Victory.ogg", false},
        {MusicFile, 18, "Music/Menu.ogg", false},
    };
    for (const Case& c : cases) {
        ResourceFile file = c.table(c.id);
        EXPECT_EQ(file.path, c.path);
        EXPECT_EQ(file.smooth, c.smoothAndRepeated) << c.path;
        EXPECT_EQ(file.repeated, c.smoothAndRepeated) << c.path;
    }

    struct Bad {
        std::function<ResourceFile(std::uint32_t)> table;
        std::uint32_t id;
    } bad[] = {{FontFile, 1}, {ShaderFile, 3}, {TextureFile, 13}, {SoundFile, 24}, {SoundFile, 25},
               {SingleSoundFile, 0}, {SingleSoundFile, 23}, {SingleSoundFile, 26}, {MusicFile, 19}};
    for (const Bad& b : bad) {
        try {
            b.table(b.id);
            ADD_FAILURE() << b.id;
        } catch (const std::logic_error& e) {
            EXPECT_STREQ(e.what(), "impossible default");
        }
    }
}

namespace {

void WriteArchive(const testsupport::TempDataDir& dir, const std::string& name,
                  const std::vector<std::pair<std::string, std::string>>& files,
                  const std::string& password = ResourceArchivePassword)
{
    foxpack::ArchiveWriter writer(password);
    for (const auto& f : files)
        writer.Add(f.first, f.second);
    writer.WriteFile(dir.DataPath(name));
}

// While it lives, the process may map only `headroom` bytes more than it has
// mapped now, as on a machine short of memory: a larger allocation fails.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t headroom)
    {
        getrlimit(RLIMIT_AS, &saved_);
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0;
        statm >> pages;
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min(saved_.rlim_cur, pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + headroom);
        EXPECT_EQ(setrlimit(RLIMIT_AS, &lowered), 0);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &saved_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    rlimit saved_{};
};

std::string StartFailure()
{
    try {
        ResourceManager resources;
    } catch (const ResourceException& e) {
        EXPECT_EQ(e.GetSecondText(), "");
        return e.GetMessage();
    }
    return "no failure";
}

}  // namespace

TEST(ResourceManager, ArchivesThatCannotBeOpenedEndTheStart)
{
    testsupport::TempDataDir dir;
    EXPECT_EQ(StartFailure(), "Failed to load resources: Archive Data/Resources2.vrk doesn't exist");

    // Resources2 opens first; then a missing Resources1 is reported.
    WriteArchive(dir, "Resources2.vrk", {{"Brlnsdb.ttf", "x"}});
    EXPECT_EQ(StartFailure(), "Failed to load resources: Archive Data/Resources1.vrk doesn't exist");

    WriteArchive(dir, "Resources1.vrk", {{"Music/Menu.ogg", "x"}}, "another password");
    EXPECT_EQ(StartFailure(), "Failed to load resources: Archive Data/Resources1.vrk: [FOXP] Wrong password");

    WriteArchive(dir, "Resources1.vrk", {{"Music/Menu.ogg", "x"}});
    dir.WriteFile("Data/Resources3.vrk", "not an archive at all, just text");
    EXPECT_EQ(StartFailure(), "Failed to load resources: Archive Data/Resources3.vrk: [FOXP] Wrong archive format");
}

TEST(ResourceManager, SoundsLoadOnceAndAMissingOneFailsEachTime)
{
    testsupport::TempDataDir dir;
    WriteArchive(dir, "Resources2.vrk", {{"Brlnsdb.ttf", "x"}});
    WriteArchive(dir, "Resources1.vrk", {{"Music/Menu.ogg", "x"}});
    WriteArchive(dir, "Resources3.vrk", {{"Sfx/Coin.wav", testsupport::MakeWav()}, {"Sfx/Lava.wav", "broken"}});
    ResourceManager resources;

    sf::Lock lock(resources.GetSoundMutex());
    sf::SoundBuffer& coin = resources.GetSound(SoundCoin);
    EXPECT_GT(coin.getSampleCount(), 0u);
    EXPECT_EQ(coin.getChannelCount(), 1u);
    EXPECT_EQ(&resources.GetSound(SoundCoin), &coin);

    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            resources.GetSound(SoundJump);
            ADD_FAILURE();
        } catch (const ResourceException& e) {
            EXPECT_EQ(e.GetMessage(), "Loading error at Sfx/Jump.wav (Data/Resources3.vrk holds no entry of that name)");
            EXPECT_EQ(e.GetSecondText(), "Sound Effects");
        }
    }
    try {
        resources.GetSingleSound(SoundLava);
        ADD_FAILURE();
    } catch (const ResourceException& e) {
        EXPECT_EQ(e.GetMessage(),
                  "Loading error at Sfx/Lava.wav (its data in Data/Resources3.vrk do not load as a sound effect)");
    }
}

TEST(ResourceManager, ASoundWhoseHeaderClaimsMoreThanItsEntryHoldsIsDamaged)
{
    const std::string wav = testsupport::MakeWav();
    const auto held = static_cast<std::uint32_t>(wav.size() - (wav.find("data") + 8));
    testsupport::TempDataDir dir;
    WriteArchive(dir, "Resources2.vrk", {{"Brlnsdb.ttf", "x"}});
    WriteArchive(dir, "Resources1.vrk", {{"Music/Menu.ogg", "x"}});
    WriteArchive(dir, "Resources3.vrk", {{"Sfx/Jump.wav", testsupport::MakeWavClaiming(0xFFFFFFF0u)},
                                         {"Sfx/Coin.wav", testsupport::MakeWavClaiming(held + 2)},
                                         {"Sfx/Item.wav", testsupport::MakeWavClaiming(100)}});
    ResourceManager resources;
    // Trusting the first header would take 4 GB.
    AddressSpaceLimit limit(1u << 30);
    sf::Lock lock(resources.GetSoundMutex());
    for (std::uint32_t id : {SoundJump, SoundCoin}) {
        const std::string path = SoundFile(id).path;
        try {
            resources.GetSound(id);
            ADD_FAILURE() << path;
        } catch (const ResourceException& e) {
            EXPECT_EQ(e.GetMessage(),
                      "Loading error at " + path + " (its data in Data/Resources3.vrk do not load as a sound effect)");
            EXPECT_EQ(e.GetSecondText(), "Sound Effects");
        }
    }
    // A header that claims less than the entry holds gives what it claims.
    EXPECT_EQ(resources.GetSound(SoundItem).getSampleCount(), 50u);
}

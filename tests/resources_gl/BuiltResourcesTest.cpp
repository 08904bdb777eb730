// Every resource the game can ask for loads from the archives that the
// content build made, through the resource manager the game uses.
#include "app/ResourceManager.h"
#include "kest/BigTexture.h"

#include "support/TempDataDir.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Lock.hpp>
#include <gtest/gtest.h>

TEST(BuiltResources, EveryIdLoadsFromTheGeneratedArchives)
{
    testsupport::TempDataDir dir;
    ASSERT_GE(dir.CopyBuiltArchives(), 3);
    sf::RenderTexture context;
    ASSERT_TRUE(context.create(4, 4));
    ResourceManager resources;

    EXPECT_TRUE(resources.GetFont().getInfo().family.size() > 0);
    for (std::uint32_t id = TextureNormalTiles; id < TextureVictory; ++id)
        EXPECT_GT(resources.GetTexture(id).getSize().x, 0u) << id;
    EXPECT_EQ(resources.GetBigTexture(TextureVictory).getSize(), sf::Vector2u(1024, 768));
    for (std::uint32_t id = 0; id < MusicCount; ++id)
        EXPECT_EQ(resources.GetMusic(id).getChannelCount(), 2u) << id;
    {
        sf::Lock lock(resources.GetSoundMutex());
        for (std::uint32_t id = 0; id < PooledSoundCount; ++id)
            EXPECT_EQ(resources.GetSound(id).getChannelCount(), 1u) << id;
    }
    EXPECT_EQ(resources.GetSingleSoundLocked(SoundJetpack).getChannelCount(), 1u);
    EXPECT_EQ(resources.GetSingleSoundLocked(SoundLava).getChannelCount(), 1u);
    if (sf::Shader::isAvailable()) {
        EXPECT_TRUE(resources.CheckShaders());
    }
}

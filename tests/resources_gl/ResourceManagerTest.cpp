#include "app/ArchivePasswords.h"
#include "app/ResourceException.h"
#include "app/ResourceManager.h"
#include "kest/BigTexture.h"

#include "support/FixtureArchives.h"
#include "support/TempDataDir.h"
#include "foxpack/ArchiveWriter.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

// Archives with one file of every kind (and the victory picture), packed by
// the project's archive writer.
struct FixtureResources {
    FixtureResources()
    {
        sf::RenderTexture context;   // textures and shaders need a GL context
        context.create(4, 4);
        foxpack::ArchiveWriter graphics(ResourceArchivePassword);
        graphics.Add("Brlnsdb.ttf", testsupport::MakeFont());
        graphics.Add("Shader/BilinearTile.frag", testsupport::MakeShader());
        graphics.Add("Shader/HorizontalBlur.frag", testsupport::MakeShader());
        graphics.Add("Shader/VerticalBlur.frag", testsupport::MakeShader());
        graphics.Add("Gfx/Player.png", testsupport::MakePng(144, 256));
        graphics.Add("Gfx/Background2.png", testsupport::MakePng(256, 192));
        graphics.Add("Gfx/Victory.png", testsupport::MakePng(1024, 768));
        graphics.WriteFile(dir.DataPath("Resources2.vrk"));
        foxpack::ArchiveWriter music(ResourceArchivePassword);
        music.Add("Music/Menu.ogg", testsupport::MakeOgg());
        music.WriteFile(dir.DataPath("Resources1.vrk"));
        foxpack::ArchiveWriter sounds(ResourceArchivePassword);
        sounds.Add("Sfx/Jump.wav", testsupport::MakeWav());
        sounds.WriteFile(dir.DataPath("Resources3.vrk"));
    }
    testsupport::TempDataDir dir;
};

}  // namespace

TEST(ResourceManagerGl, EveryKindLoadsOnceIntoItsCache)
{
    FixtureResources fixture;
    sf::RenderTexture context;
    ASSERT_TRUE(context.create(4, 4));
    ResourceManager resources;

    sf::Font& font = resources.GetFont();
    EXPECT_EQ(&resources.GetFont(FontMain), &font);
    EXPECT_EQ(&resources.GetFont(7), &font);   // there is one font, whatever the id

    sf::Texture& player = resources.GetTexture(TexturePlayer);
    EXPECT_EQ(player.getSize(), sf::Vector2u(144, 256));
    EXPECT_FALSE(player.isSmooth());
    EXPECT_FALSE(player.isRepeated());
    EXPECT_EQ(&resources.GetTexture(TexturePlayer), &player);

    sf::Texture& background = resources.GetTexture(TextureBackground2);
    EXPECT_TRUE(background.isSmooth());
    EXPECT_TRUE(background.isRepeated());

    kest::BigTexture& victory = resources.GetBigTexture(TextureVictory);
    EXPECT_EQ(&resources.GetBigTexture(TextureVictory), &victory);

    sf::Music& menu = resources.GetMusic(MusicMenu);
    EXPECT_EQ(menu.getChannelCount(), 2u);
    EXPECT_EQ(&resources.GetMusic(MusicMenu), &menu);
}

TEST(ResourceManagerGl, MissingTexturesFailWithTheirKindAndShadersAreChecked)
{
    FixtureResources fixture;
    sf::RenderTexture context;
    ASSERT_TRUE(context.create(4, 4));
    ResourceManager resources;
    try {
        resources.GetTexture(TextureMenu);
        ADD_FAILURE();
    } catch (const ResourceException& e) {
        EXPECT_EQ(e.GetMessage(), "Loading error at Gfx/Menu.png (Data/Resources2.vrk holds no entry of that name)");
        EXPECT_EQ(e.GetSecondText(), "Texture");
    }
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support on this display";
    EXPECT_TRUE(resources.CheckShaders());
    sf::Shader& tile = resources.GetShader(ShaderBilinearTile);
    EXPECT_EQ(&resources.GetShader(ShaderBilinearTile), &tile);
}

TEST(ResourceManagerGl, AShaderThatDoesNotCompileSwitchesShadersOff)
{
    FixtureResources fixture;
    sf::RenderTexture context;
    ASSERT_TRUE(context.create(4, 4));
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support on this display";
    foxpack::ArchiveWriter graphics(ResourceArchivePassword);
    graphics.Add("Shader/BilinearTile.frag", testsupport::MakeShader());
    graphics.Add("Shader/HorizontalBlur.frag", "this is not GLSL");
    graphics.WriteFile(fixture.dir.DataPath("Resources2.vrk"));

    std::stringstream log;
    std::streambuf* saved = std::cerr.rdbuf(log.rdbuf());
    ResourceManager resources;
    bool available = resources.CheckShaders();
    std::cerr.rdbuf(saved);
    EXPECT_FALSE(available);
    EXPECT_NE(log.str().find("\nShaders not supported.\nLoading error at Shader/HorizontalBlur.frag (its data in "
                            "Data/Resources2.vrk do not load as a shader)\n"),
              std::string::npos)
        << log.str();
}

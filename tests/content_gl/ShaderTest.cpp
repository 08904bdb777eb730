// The packed shaders compile on the legacy pipeline and do what the game
// draws them for: the tile shader blends a tile into its neighbours, the
// two blur passes spread a glow along their own axis.
#include "../content/BuiltArchive.h"

#include <SFML/Graphics.hpp>

#include <gtest/gtest.h>

#include <string>

using contenttest::ReadEntry;

namespace {

class ShaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!sf::Shader::isAvailable())
            GTEST_SKIP() << "no shader support on this display";
        archive_.Open(contenttest::BuiltArchivePath(2), contenttest::ResourcePassword());
    }

    // Loads a packed shader; fails the test when it does not compile.
    bool Load(sf::Shader& shader, const std::string& name)
    {
        std::string text = ReadEntry(archive_, "Shader/" + name + ".frag");
        return !text.empty() && shader.loadFromMemory(text, sf::Shader::Fragment);
    }

private:
    foxp::Archive archive_;
};

// Draws the texture through the shader over a whole target of its own size,
// replacing the target's pixels, and reads the target back.
sf::Image Pass(const sf::Texture& source, sf::Shader& shader, sf::Vector2u size, sf::Color colour = sf::Color::White)
{
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(size.x, size.y));
    target.clear(sf::Color::Transparent);
    float w = static_cast<float>(size.x);
    float h = static_cast<float>(size.y);
    sf::Vertex quad[] = {{{0, 0}, colour, {0, 0}}, {{w, 0}, colour, {w, 0}}, {{w, h}, colour, {w, h}},
                         {{0, h}, colour, {0, h}}};
    sf::RenderStates states(sf::BlendNone, sf::Transform(), &source, &shader);
    target.draw(quad, 4, sf::Quads, states);
    target.display();
    return target.getTexture().copyToImage();
}

// A 72 x 36 atlas of two tile cells: red on the left, the right one given.
sf::Texture TwoCells(sf::Color right)
{
    sf::Image image;
    image.create(72, 36, sf::Color::Red);
    for (unsigned y = 0; y < 36; ++y)
        for (unsigned x = 36; x < 72; ++x)
            image.setPixel(x, y, right);
    sf::Texture texture;
    EXPECT_TRUE(texture.loadFromImage(image));
    return texture;
}

// Sets the tile shader for the red centre cell with the right-hand cell of
// the atlas as the one neighbour named, every other neighbour the tile itself.
void SetNeighbour(sf::Shader& shader, const std::string& neighbour)
{
    for (const char* name : {"tileSW", "tileS", "tileSE", "tileW", "tileC", "tileE", "tileNW", "tileN", "tileNE"})
        shader.setUniform(name, sf::Vector2f(name == neighbour ? 0.5f : 0.0f, 0.0f));
    shader.setUniform("tileSize", sf::Vector2f(0.5f, 1.0f));
}

// Draws the atlas's red centre cell on a 36 x 36 target through the shader.
sf::Image DrawTile(const sf::Texture& atlas, sf::Shader& shader, sf::Color colour)
{
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(36, 36));
    target.clear(sf::Color::Transparent);
    sf::Vertex quad[] = {{{0, 0}, colour, {0, 0}}, {{36, 0}, colour, {36, 0}}, {{36, 36}, colour, {36, 36}},
                         {{0, 36}, colour, {0, 36}}};
    target.draw(quad, 4, sf::Quads, sf::RenderStates(sf::BlendNone, sf::Transform(), &atlas, &shader));
    target.display();
    return target.getTexture().copyToImage();
}

}  // namespace

TEST_F(ShaderTest, AllThreeCompile)
{
    for (const char* name : {"BilinearTile", "HorizontalBlur", "VerticalBlur"}) {
        sf::Shader shader;
        EXPECT_TRUE(Load(shader, name)) << name;
    }
}

TEST_F(ShaderTest, TileBlendsIntoADifferentNeighbourTowardsThatEdge)
{
    sf::Shader shader;
    ASSERT_TRUE(Load(shader, "BilinearTile"));
    sf::Texture atlas = TwoCells(sf::Color::Blue);
    // The S row is the row above on screen, the N row the one below.
    struct Case {
        const char* neighbour;
        unsigned edgeX, edgeY;       // a pixel on the edge towards it
        unsigned farX, farY;         // a pixel on the opposite edge
    };
    const Case cases[] = {{"tileE", 35, 18, 0, 18}, {"tileW", 0, 18, 35, 18},
                          {"tileS", 18, 0, 18, 35}, {"tileN", 18, 35, 18, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.neighbour);
        SetNeighbour(shader, c.neighbour);
        sf::Image image = DrawTile(atlas, shader, sf::Color::White);
        sf::Color edge = image.getPixel(c.edgeX, c.edgeY);
        sf::Color centre = image.getPixel(18, 18);
        // About half and half at the edge, so the neighbour meets it there.
        EXPECT_NEAR(edge.r, 128, 12);
        EXPECT_NEAR(edge.b, 128, 12);
        EXPECT_EQ(edge.a, 255);
        EXPECT_GT(centre.r, 240);
        EXPECT_LT(centre.b, 15);
        EXPECT_EQ(image.getPixel(c.farX, c.farY), sf::Color::Red) << "no blend towards the tile itself";
    }
}

TEST_F(ShaderTest, TileTakesNoColourFromAClearNeighbourAndKeepsTheVertexColour)
{
    sf::Shader shader;
    ASSERT_TRUE(Load(shader, "BilinearTile"));
    sf::Texture atlas = TwoCells(sf::Color(0, 0, 255, 0));
    SetNeighbour(shader, "tileE");
    sf::Image image = DrawTile(atlas, shader, sf::Color(255, 255, 255, 128));
    sf::Color east = image.getPixel(35, 18);
    EXPECT_GT(east.r, 245);
    EXPECT_LT(east.b, 10);
    EXPECT_NEAR(east.a, 128, 2) << "the tile's fade comes from the vertex colour";
}

TEST_F(ShaderTest, BlurPassesSpreadAGlowAlongTheirOwnAxis)
{
    sf::Shader horizontal, vertical;
    ASSERT_TRUE(Load(horizontal, "HorizontalBlur"));
    ASSERT_TRUE(Load(vertical, "VerticalBlur"));
    horizontal.setUniform("source", sf::Shader::CurrentTexture);
    vertical.setUniform("source", sf::Shader::CurrentTexture);

    // A white 16 x 16 block in the middle of the 256 x 192 glow target.
    const sf::Vector2u size(256, 192);
    sf::Image glow;
    glow.create(size.x, size.y, sf::Color::Black);
    for (unsigned y = 88; y < 104; ++y)
        for (unsigned x = 120; x < 136; ++x)
            glow.setPixel(x, y, sf::Color::White);
    sf::Texture source;
    ASSERT_TRUE(source.loadFromImage(glow));

    sf::Image across = Pass(source, horizontal, size);
    // Spread sideways only, and by no more than the kernel's reach.
    EXPECT_GT(across.getPixel(117, 96).r, 20) << "3 texels left of the block";
    EXPECT_EQ(across.getPixel(113, 96).r, 0) << "7 texels left of the block";
    EXPECT_EQ(across.getPixel(128, 85).r, 0) << "above the block: the first pass is horizontal";
    EXPECT_EQ(across.getPixel(10, 10).a, 255);

    sf::Texture first;
    ASSERT_TRUE(first.loadFromImage(across));
    sf::Image both = Pass(first, vertical, size);
    EXPECT_GT(both.getPixel(128, 85).r, 20) << "3 texels above the block";
    EXPECT_GT(both.getPixel(117, 85).r, 0) << "diagonally off the corner";
    EXPECT_EQ(both.getPixel(128, 81).r, 0) << "7 texels above the block";
    EXPECT_GT(both.getPixel(128, 96).r, 240) << "the glow stays bright inside";
    EXPECT_EQ(both.getPixel(10, 10), sf::Color::Black) << "nothing where nothing glowed";
}

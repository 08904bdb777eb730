// The renderer over the built archives in a real (Xvfb) window: views,
// screen tests, popup texts, tiles, floors, objects, the head-up display and
// the sign text. Pictures are checked by reading the window's pixels back.
#include "game/render/GraphicsContext.h"

#include "app/GameWindow.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"
#include "game/objects/Enemy.h"
#include "game/objects/Object.h"
#include "game/objects/Player.h"
#include "game/objects/Scenery.h"
#include "game/render/BlurEffect.h"
#include "game/render/ColorTables.h"
#include "game/render/Hud.h"
#include "game/world/Floor.h"
#include "game/world/Scene.h"
#include "game/world/Tile.h"
#include "game/world/Tilemap.h"
#include "game/world/World.h"
#include "sfxt/TextBox.h"

#include "support/TempDataDir.h"
#include "support/WindowPicture.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// One window, resource manager and renderer for the whole test program.
struct Scene {
    Scene()
    {
        window.CreateGameWindow();
        graphics = std::make_unique<GraphicsContext>(resources, window);
    }
    struct Data {
        Data() { dir.CopyBuiltArchives(); }
        testsupport::TempDataDir dir;
    } data;
    GameWindow window;
    ResourceManager resources;
    std::unique_ptr<GraphicsContext> graphics;
};

Scene* scene = nullptr;

class GraphicsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!scene)
            scene = new Scene;
    }

    void SetUp() override
    {
        gc = scene->graphics.get();
        gc->hideSecretTiles = true;
        gc->shadersAvailable = false;
        gc->layerOffsets.fill(sf::Vector2f(0, 0));
        gc->camera = sf::Vector2f(0, 0);
        gc->backgroundIndex = 0;
        gc->ClearEffects();
        win().setView(win().getDefaultView());
        win().clear(sf::Color::Black);
    }

    static sf::RenderWindow& win() { return scene->window.window; }

    static sf::Image Capture() { return testsupport::Grab(win()); }

    // Pixels in the rectangle (screen coordinates) that are not the colour.
    static int CountOther(const sf::Image& image, sf::IntRect rect, sf::Color colour = sf::Color::Black)
    {
        return testsupport::CountOther(image, rect, colour);
    }

    static sf::IntRect Screen() { return sf::IntRect(0, 0, 1024, 768); }

    // Pixels in the rectangle that differ between the two pictures.
    static int CountDiffering(const sf::Image& a, const sf::Image& b, sf::IntRect rect)
    {
        int count = 0;
        for (int y = rect.top; y < rect.top + rect.height; ++y)
            for (int x = rect.left; x < rect.left + rect.width; ++x)
                count += a.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) !=
                         b.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
        return count;
    }

    GraphicsContext* gc = nullptr;
};

// A plain object with a fixed box, picture and alpha.
class Box : public Object {
public:
    Box(sf::Vector2f position, sf::Uint8 alpha) : position_(position), alpha_(alpha) {}
    sf::Vector2f GetPosition() const override { return position_; }
    sf::Vector2f GetSize() const override { return sf::Vector2f(36, 36); }
    sf::IntRect GetTextureRect() const override { return sf::IntRect(0, 0, 36, 36); }
    sf::Uint8 GetAlpha() const override { return alpha_; }

private:
    sf::Vector2f position_;
    sf::Uint8 alpha_;
};

}  // namespace

TEST_F(GraphicsTest, LayerViewsFollowTheRoundedCamera)
{
    // The target 10.4 pixels right of the dead zone moves the camera by 10.4.
    gc->UpdateCamera(572.4f, 384, 4000, 3000);
    EXPECT_NEAR(gc->camera.x, 10.4f, 1e-3);
    EXPECT_FLOAT_EQ(gc->camera.y, 0);

    const sf::Vector2f centre = win().getDefaultView().getCenter();
    struct Case {
        int layer;
        float dx;
    };
    for (const Case& c : {Case{0, 3}, Case{1, 5}, Case{2, 10}, Case{3, 0}, Case{7, 0}, Case{-1, 0}}) {
        gc->ApplyLayerView(c.layer);
        EXPECT_EQ(win().getView().getCenter(), centre + sf::Vector2f(c.dx, 0)) << c.layer;
        EXPECT_EQ(win().getView().getSize(), win().getDefaultView().getSize());
    }

    // The zone moves with the view that was last applied.
    gc->ApplyLayerView(2);
    EXPECT_EQ(gc->GetViewTopLeft(), sf::Vector2f(10, 0));
    const float kept = gc->camera.x;
    gc->UpdateCamera(572, 384, 4000, 3000);
    EXPECT_EQ(gc->camera.x, kept);  // 572 lies inside the moved zone

    // ResetCamera centres every layer on the point; the camera stays.
    gc->ResetCamera(1000, 800);
    EXPECT_EQ(win().getView().getCenter(), centre);
    EXPECT_EQ(gc->layerOffsets[2], sf::Vector2f(488, 416));
    EXPECT_EQ(gc->layerOffsets[1], sf::Vector2f(244, 208));
    EXPECT_FLOAT_EQ(gc->layerOffsets[0].x, 146.4f);
    EXPECT_EQ(gc->layerOffsets[3], sf::Vector2f(0, 0));
    EXPECT_EQ(gc->camera.x, kept);
}

TEST_F(GraphicsTest, OnScreenAndClampUseTheCurrentView)
{
    EXPECT_TRUE(gc->IsOnScreen(-10, 100, 20, 0, 0));     // right edge touches 0
    EXPECT_FALSE(gc->IsOnScreen(-10.5f, 100, 20, 0, 0));
    EXPECT_TRUE(gc->IsOnScreen(-60, 100, 0, 0, 60));
    EXPECT_FALSE(gc->IsOnScreen(-61, 100, 0, 0, 60));
    EXPECT_TRUE(gc->IsOnScreen(1084, 828, 0, 0, 60));
    EXPECT_FALSE(gc->IsOnScreen(500, 829, 0, 0, 60));

    EXPECT_EQ(gc->ClampToScreen(-100, 300, 0, 0, -20), sf::Vector2f(20, 300));
    EXPECT_EQ(gc->ClampToScreen(2000, 2000, 0, 0, -20), sf::Vector2f(1004, 748));
    EXPECT_EQ(gc->ClampToScreen(500, 300, 0, 0, -20), sf::Vector2f(500, 300));
    EXPECT_EQ(gc->ClampToScreen(-100, 300, 10, 0, 0), sf::Vector2f(-5, 300));

    // Moving the view moves both tests.
    gc->layerOffsets[2] = sf::Vector2f(1000, 0);
    gc->ApplyLayerView(2);
    EXPECT_FALSE(gc->IsOnScreen(500, 300, 0, 0, 0));
    EXPECT_EQ(gc->ClampToScreen(500, 300, 0, 0, -20), sf::Vector2f(1020, 300));
}

TEST_F(GraphicsTest, OutlinedTextQueuesFourOutlinesThenTheText)
{
    gc->DrawOutlinedText(3, "+100", -50, 300);
    ASSERT_EQ(gc->popupTexts.size(), 5u);
    const sf::Text& main = gc->popupTexts[4];
    EXPECT_EQ(main.getString().toAnsiString(), "+100");
    EXPECT_EQ(main.getCharacterSize(), 16u);
    EXPECT_EQ(main.getFillColor(), sf::Color(0, 200, 0));
    // Left of the view: shown 20 pixels inside its edge, 5 pixels higher.
    EXPECT_EQ(main.getPosition(), sf::Vector2f(20, 295));
    const sf::Vector2f steps[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(gc->popupTexts[i].getFillColor(), sf::Color::Black) << i;
        EXPECT_EQ(gc->popupTexts[i].getPosition(), main.getPosition() + steps[i]) << i;
        EXPECT_EQ(gc->popupTexts[i].getOrigin(), main.getOrigin()) << i;
    }
    // The origin is the rounded middle of the text.
    EXPECT_GT(main.getOrigin().x, 0);
    EXPECT_EQ(main.getOrigin().x, static_cast<float>(static_cast<int>(main.getOrigin().x)));

    // A colour outside the table shows in the first one instead of reading
    // past it.
    gc->DrawOutlinedText(7, "x", 500, 300);
    gc->DrawOutlinedText(-1, "y", 500, 300);
    ASSERT_EQ(gc->popupTexts.size(), 15u);
    EXPECT_EQ(gc->popupTexts[9].getFillColor(), PopupColors[0]);
    EXPECT_EQ(gc->popupTexts[14].getFillColor(), PopupColors[0]);

    gc->ClearEffects();
    EXPECT_TRUE(gc->popupTexts.empty());
}

TEST_F(GraphicsTest, OverlayAndBackgrounds)
{
    win().clear(sf::Color::White);
    gc->DrawOverlay(0);
    EXPECT_EQ(CountOther(Capture(), Screen(), sf::Color::White), 0);
    gc->DrawOverlay(255);
    EXPECT_EQ(CountOther(Capture(), Screen(), sf::Color::Black), 0);

    struct Case {
        int mode;
        std::int32_t index;
        sf::Color colour;
    };
    for (const Case& c : {Case{0, 1, sf::Color(162, 107, 42)}, Case{1, 2, sf::Color(60, 100, 70)},
                          Case{1, 7, WorldBackgroundColors[0]}, Case{1, -1, WorldBackgroundColors[0]}}) {
        win().clear(sf::Color::Magenta);
        gc->backgroundIndex = c.index;
        gc->DrawBackground(c.mode);
        EXPECT_EQ(Capture().getPixel(10, 10), c.colour) << c.mode << " " << c.index;
    }
    win().clear(sf::Color::Magenta);
    gc->DrawBackground(5);
    EXPECT_EQ(CountOther(Capture(), Screen(), sf::Color::Magenta), 0);

    // The picture covers the whole view, also when the view lies left of
    // the map (a map narrower than the window).
    for (float offset : {0.f, 700.f, -150.f}) {
        win().clear(sf::Color::Magenta);
        gc->layerOffsets[0] = sf::Vector2f(offset, 0);
        gc->ApplyLayerView(0);
        gc->DrawBackground(2);
        const sf::Image image = Capture();
        EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 1024, 1), sf::Color::Magenta), 1024) << offset;
        EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 1, 768), sf::Color::Magenta), 768) << offset;
    }
}

TEST_F(GraphicsTest, TilesDrawInTheirCellUnlessEmptySecretOrInvisible)
{
    Tilemap map;
    map.At(1, 1).id = 100;  // a wall
    CreateTileProperty(map.At(1, 1), false);
    map.At(3, 1).id = 24;   // a secret passage
    CreateTileProperty(map.At(3, 1), false);
    map.At(5, 1).id = 11;   // a switchable block, shown faint
    CreateTileProperty(map.At(5, 1), false);

    for (unsigned x = 0; x < 7; ++x)
        gc->DrawTile(map, true, x, 1);
    sf::Image image = Capture();
    EXPECT_GT(CountOther(image, sf::IntRect(36, 36, 36, 36)), 36 * 36 / 2);
    // Nothing outside the wall's cell, and nothing of the hidden tile.
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 36, 108)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(72, 0, 36, 108)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(108, 36, 36, 36)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(36, 72, 36, 36)), 0);
    EXPECT_GT(CountOther(image, sf::IntRect(180, 36, 36, 36)), 0);

    // With secret tiles shown, the passage draws too.
    gc->hideSecretTiles = false;
    gc->DrawTile(map, true, 3, 1);
    EXPECT_GT(CountOther(Capture(), sf::IntRect(108, 36, 36, 36)), 0);
}

TEST_F(GraphicsTest, WallsAreSmoothedOnlyWhereTheirNeighbourhoodDiffers)
{
    if (!sf::Shader::isAvailable() || !scene->resources.CheckShaders())
        GTEST_SKIP() << "no shader support";
    Tilemap map;
    map.At(5, 5).id = 100;
    CreateTileProperty(map.At(5, 5), false);
    const sf::IntRect cell(180, 180, 36, 36);

    auto draw = [&](bool shaders) {
        win().clear(sf::Color::Black);
        gc->shadersAvailable = shaders;
        gc->DrawTile(map, true, 5, 5);
        return Capture();
    };
    auto same = [&](const sf::Image& a, const sf::Image& b) {
        for (int y = cell.top; y < cell.top + cell.height; ++y)
            for (int x = cell.left; x < cell.left + cell.width; ++x)
                if (a.getPixel(x, y) != b.getPixel(x, y))
                    return false;
        return true;
    };
    // Alone, the wall draws without the shader.
    EXPECT_TRUE(same(draw(true), draw(false)));
    // A different wall beside it switches the shader on.
    map.At(6, 5).id = 114;
    CreateTileProperty(map.At(6, 5), false);
    EXPECT_FALSE(same(draw(true), draw(false)));
}

// The shader is left out only where it would give back the tile's own
// picture: blocks of walls and slopes look the same as when every one of
// their tiles is drawn through the shader with its neighbourhood's cells.
TEST_F(GraphicsTest, WallsLeftUnsmoothedLookAsIfSmoothed)
{
    if (!sf::Shader::isAvailable() || !scene->resources.CheckShaders())
        GTEST_SKIP() << "no shader support";
    // A and B two kinds of wall, R and F the rising and falling slopes of
    // A's family; a uniform block on the left, a mixed one on the right,
    // both with tiles inside a mass of one kind.
    const char* const rows[] = {
        "AAAA..AAAABB",
        "AAAA..AAAABB",
        "AAAA..AAAABR",
        "AAAA..BBAAAA",
        "......BFAAAA",
        "......BBAAAA",
    };
    Tilemap map;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x) {
            const char kind = rows[y][x];
            Tile& tile = map.At(x + 1, y + 1);
            tile.id = kind == 'A' ? 100 : kind == 'B' ? 114 : kind == 'R' ? 128 : kind == 'F' ? 142 : 0;
            CreateTileProperty(tile, false);
        }
    gc->shadersAvailable = true;
    const sf::IntRect area(36, 36, 12 * 36, 6 * 36);

    win().clear(sf::Color::Black);
    for (unsigned x = 1; x <= 12; ++x)
        for (unsigned y = 1; y <= 6; ++y)
            gc->DrawTile(map, true, x, y);
    const sf::Image drawn = Capture();

    const char* const uniforms[9] = {"tileSW", "tileS", "tileSE", "tileW", "tileC",
                                     "tileE",  "tileNW", "tileN", "tileNE"};
    sf::Shader& shader = scene->resources.GetShader(ShaderBilinearTile);
    const sf::Texture& texture = scene->resources.GetTexture(TextureNormalTiles);
    shader.setUniform("tileSize", sf::Vector2f(36.f / static_cast<float>(texture.getSize().x),
                                               36.f / static_cast<float>(texture.getSize().y)));
    win().clear(sf::Color::Black);
    for (unsigned x = 1; x <= 12; ++x)
        for (unsigned y = 1; y <= 6; ++y) {
            const Tilemap::Neighbours around = map.GetNeighbours(true, static_cast<int>(x), static_cast<int>(y));
            if (around[4].id == 0)
                continue;
            for (std::size_t i = 0; i < 9; ++i)
                shader.setUniform(uniforms[i], gc->GetTileTextureOrigin(around[i], true, i != 4));
            sf::Vertex quad[4];
            gc->BuildTileQuad(around[4], quad, x, y);
            sf::RenderStates states(&texture);
            states.shader = &shader;
            win().draw(quad, 4, sf::Quads, states);
        }
    const sf::Image smoothed = Capture();

    EXPECT_EQ(CountDiffering(drawn, smoothed, area), 0);

    // The mixed block is smoothed at all: plain tiles differ at its seams.
    gc->shadersAvailable = false;
    win().clear(sf::Color::Black);
    for (unsigned x = 7; x <= 12; ++x)
        for (unsigned y = 1; y <= 6; ++y)
            gc->DrawTile(map, true, x, y);
    EXPECT_GT(CountDiffering(Capture(), smoothed, sf::IntRect(7 * 36, 36, 6 * 36, 6 * 36)), 0);
}

TEST_F(GraphicsTest, GlowingTilesReachTheBlurOnlyWithShaders)
{
    Tilemap map;
    map.At(2, 2).id = 110;  // a glowing wall
    CreateTileProperty(map.At(2, 2), false);
    BlurEffect& blur = *gc->blur;
    blur.hasContent = false;
    blur.needsBlur = false;

    gc->DrawSpecialTile(map, {TilePos(2, 2)});
    EXPECT_FALSE(blur.hasContent);
    gc->shadersAvailable = true;
    gc->DrawSpecialTile(map, {});
    EXPECT_FALSE(blur.hasContent);
    gc->DrawSpecialTile(map, {TilePos(2, 2)});
    EXPECT_TRUE(blur.hasContent);
    EXPECT_TRUE(blur.needsBlur);
}

TEST_F(GraphicsTest, FloorOverlapsItsTileByThreePixels)
{
    Floor floor(0, 2, 2);
    floor.shape = Floor::Middle;
    gc->DrawFloor(floor, 255);
    sf::Image image = Capture();
    EXPECT_GT(CountOther(image, sf::IntRect(69, 69, 42, 42)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 1024, 69)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 111, 1024, 100)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 69, 300)), 0);

    // A floor without a decided shape, or fully faded, shows nothing.
    win().clear(sf::Color::Black);
    floor.shape = Floor::Undecided;
    gc->DrawFloor(floor, 255);
    floor.shape = Floor::Middle;
    gc->DrawFloor(floor, 0);
    EXPECT_EQ(CountOther(Capture(), Screen()), 0);
}

TEST_F(GraphicsTest, ObjectsDrawOnScreenWithTheirOwnAlphaOrTheGivenOne)
{
    struct Case {
        sf::Vector2f position;
        sf::Uint8 ownAlpha;
        sf::Uint8 argument;
        bool drawn;
    };
    const Case cases[] = {
        {{100, 100}, 255, 255, true},
        {{-100, 100}, 255, 255, false},  // off the view
        {{100, 100}, 0, 255, false},     // 255: the object's own alpha
        {{100, 100}, 0, 120, true},      // any other argument wins
    };
    for (const Case& c : cases) {
        win().clear(sf::Color::Black);
        gc->DrawObject(Box(c.position, c.ownAlpha), TextureNormalTiles, false, 0, c.argument, false);
        EXPECT_EQ(CountOther(Capture(), sf::IntRect(82, 82, 36, 36)) > 0, c.drawn) << c.position.x;
    }
    // The object is centred on its position, on whole pixels.
    win().clear(sf::Color::Black);
    gc->DrawObject(Box(sf::Vector2f(100.4f, 100.4f), 255), TextureNormalTiles, true, 0, 255, false);
    const sf::Image image = Capture();
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 82, 300)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(118, 0, 100, 300)), 0);
}

TEST_F(GraphicsTest, EnemiesFadeFlattenOrVanishByDeathMode)
{
    auto drawnRows = [&](std::int32_t kind, std::int32_t counter, std::int32_t deathMode, int& bottom) {
        win().clear(sf::Color::Black);
        Enemy enemy(kind, 300, 300, true);
        enemy.counter = counter;
        enemy.deathMode = deathMode;
        gc->DrawEnemy(enemy);
        const sf::Image image = Capture();
        int rows = 0;
        bottom = -1;
        for (int y = 200; y < 400; ++y)
            if (CountOther(image, sf::IntRect(250, y, 100, 1)) > 0) {
                ++rows;
                bottom = y;
            }
        return rows;
    };
    int bottom = 0;
    int fullBottom = 0;
    const int full = drawnRows(0, 0, Enemy::DeathStomped, fullBottom);
    EXPECT_GT(full, 20);
    // A stomped walker flattens with its bottom kept.
    const int half = drawnRows(0, 15, Enemy::DeathStomped, bottom);
    EXPECT_LT(half, full * 2 / 3);
    EXPECT_GT(half, 0);
    EXPECT_NEAR(bottom, fullBottom, 1);
    // Burnt: invisible for its dying steps; killed: faded to nothing at the end.
    EXPECT_EQ(drawnRows(0, 10, Enemy::DeathBurnt, bottom), 0);
    EXPECT_EQ(drawnRows(0, 30, Enemy::DeathKilled, bottom), 0);
    EXPECT_GT(drawnRows(0, 10, Enemy::DeathKilled, bottom), 0);
    // A flying one fades instead of flattening.
    const int flying = drawnRows(8, 0, Enemy::DeathStomped, bottom);
    EXPECT_EQ(drawnRows(8, 15, Enemy::DeathStomped, bottom), flying);
    EXPECT_EQ(drawnRows(8, 30, Enemy::DeathStomped, bottom), 0);
    // Waking enemies grow in; the hanging faller shows plainly.
    EXPECT_EQ(drawnRows(0, -20, Enemy::DeathStomped, bottom), 0);
    EXPECT_GT(drawnRows(11, Enemy::HangingCounter, Enemy::DeathKilled, bottom), 0);
}

TEST_F(GraphicsTest, PlayerHurtMarkAndHiddenPlayer)
{
    Player player{PlayerStats()};
    player.x = 300;
    player.y = 300;
    gc->ShowSignText("Welcome", 300, 200);

    player.shown = false;
    gc->DrawPlayer(player, 0);
    EXPECT_EQ(CountOther(Capture(), Screen()), 0);  // no body, no sign text

    player.shown = true;
    player.hurtTimer = -100;
    player.spawnProtection = true;
    gc->signTextBox->colour.a = 0;
    gc->DrawPlayer(player, 0);
    const sf::Image protectedImage = Capture();
    EXPECT_GT(CountOther(protectedImage, sf::IntRect(280, 280, 40, 40)), 0);

    win().clear(sf::Color::Black);
    player.spawnProtection = false;
    gc->DrawPlayer(player, 0);
    const sf::Image hurtImage = Capture();
    int differing = 0;
    for (unsigned y = 270; y < 330; ++y)
        for (unsigned x = 270; x < 330; ++x)
            differing += hurtImage.getPixel(x, y) != protectedImage.getPixel(x, y);
    EXPECT_GT(differing, 0);
}

TEST_F(GraphicsTest, SignTextIsCentredAndKeepsItsAlpha)
{
    gc->ShowSignText("Mind the gap", 300, 300);
    sfxt::TextBox& box = *gc->signTextBox;
    EXPECT_EQ(box.getPosition(), sf::Vector2f(210, 250));
    EXPECT_EQ(box.colour, sf::Color(0, 0, 0, 255));
    EXPECT_TRUE(box.bottom);
    EXPECT_EQ(box.string.toAnsiString(), "Mind the gap");

    gc->DrawSignText();
    sf::Image image = Capture();
    EXPECT_GT(CountOther(image, sf::IntRect(205, 245, 190, 110)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 1024, 240)), 0);
    EXPECT_EQ(box.colour, sf::Color(255, 255, 255, 255));
    EXPECT_EQ(box.getPosition(), sf::Vector2f(210, 250));

    // Faded out: nothing shows.
    win().clear(sf::Color::Black);
    box.colour.a = 0;
    gc->DrawSignText();
    EXPECT_EQ(CountOther(Capture(), Screen()), 0);
    EXPECT_EQ(box.colour.a, 0);
}

TEST_F(GraphicsTest, MapOverviewShowsTheLevelSmallAndRestoresTheView)
{
    Tilemap map;
    map.Resize(20, 10);
    for (std::int32_t x = 0; x < 20; ++x) {
        map.At(x, 9).id = 100;
        CreateTileProperty(map.At(x, 9), false);
    }
    gc->layerOffsets[2] = sf::Vector2f(100, 50);
    gc->ApplyLayerView(2);
    const sf::View before = win().getView();
    gc->DrawMapOverview(map);
    EXPECT_EQ(win().getView().getCenter(), before.getCenter());

    // 20 x 10 tiles at a twelfth: 60 by 30 pixels, centred: x 482..542,
    // the bottom row at y 396..399.
    const sf::Image image = Capture();
    EXPECT_GT(CountOther(image, sf::IntRect(483, 396, 58, 3)), 100);
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 480, 768)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(545, 0, 479, 768)), 0);
    EXPECT_EQ(CountOther(image, sf::IntRect(0, 0, 1024, 390)), 0);

    Tilemap empty;
    empty.Resize(0, 0);
    EXPECT_THROW(gc->DrawMapOverview(empty), std::out_of_range);
}

// The lava sound comes from the lava tile in view nearest to the listener;
// tiles outside the view are not heard, and without a listener none is.
TEST_F(GraphicsTest, SceneGivesTheNearestLavaInViewToItsListener)
{
    World world;
    world.tilemap.Resize(40, 25);
    // In view: columns 0 to 29 and rows 0 to 22 of the 1024 x 768 window.
    for (const sf::Vector2i at : {sf::Vector2i(3, 3), sf::Vector2i(10, 3), sf::Vector2i(35, 3)})
        world.tilemap.At(at.x, at.y).id = 212;
    const std::vector<Scenery> none;
    ::Scene frame;
    frame.world = &world;
    frame.backgroundScenery = &none;
    frame.foregroundScenery = &none;

    struct Case {
        sf::Vector2f listener;
        sf::Vector2f lava;
    };
    for (const Case& c : {Case{{0, 0}, {126, 126}}, Case{{400, 100}, {378, 126}}, Case{{1300, 126}, {378, 126}}}) {
        frame.lavaListener = c.listener;
        const SceneSeen seen = gc->DrawScene(frame);
        ASSERT_TRUE(seen.nearestLava) << c.listener.x;
        EXPECT_EQ(*seen.nearestLava, c.lava) << c.listener.x;
    }
    frame.lavaListener.reset();
    EXPECT_FALSE(gc->DrawScene(frame).nearestLava);
}

TEST_F(GraphicsTest, HudPlacesCountersUnderEachOtherOnBothSides)
{
    Hud& hud = *gc->hud;
    PlayerStats stats;
    stats.totalCoins = 1234;
    stats.lives = 5;
    stats.coins = 17;
    stats.hearts = 2;
    stats.ammunition = {0, 2, 0};
    stats.powerUpMode = PlayerStats::TimeDistortion;
    stats.powerUpCountdown = 1200;

    // In a scrolled view everything moves with the view's corner.
    gc->layerOffsets[2] = sf::Vector2f(300, 100);
    gc->ApplyLayerView(2);
    hud.Draw(stats);
    const sf::Vector2f corner(300, 100);
    EXPECT_EQ(hud.texts[Hud::SlotTotal]->getString().toAnsiString(), "1234");
    EXPECT_EQ(hud.texts[Hud::SlotTotal]->getPosition(), corner + sf::Vector2f(54, 14));
    EXPECT_EQ(hud.texts[Hud::SlotLives]->getPosition(), corner + sf::Vector2f(54, 64));
    EXPECT_EQ(hud.texts[Hud::SlotCoins]->getString().toAnsiString(), "17");
    EXPECT_EQ(hud.texts[Hud::SlotCoins]->getPosition(), corner + sf::Vector2f(54, 114));
    EXPECT_EQ(hud.icons[Hud::SlotCoins].getPosition(), corner + sf::Vector2f(13, 113));
    EXPECT_EQ(hud.heartsPanel.getPosition(), corner + sf::Vector2f(908, 10));

    // Without rockets the rolling bombs take the first place on the right;
    // the power-up follows 50 pixels lower. Right numbers end at one x.
    const sf::Text& bombs = *hud.texts[4];
    EXPECT_EQ(bombs.getString().toAnsiString(), "2");
    EXPECT_EQ(bombs.getPosition(), corner + sf::Vector2f(972, 64));
    EXPECT_FLOAT_EQ(bombs.getOrigin().x, bombs.getLocalBounds().width);
    const sf::Text& seconds = *hud.texts[7];
    EXPECT_EQ(seconds.getString().toAnsiString(), "31");
    EXPECT_EQ(seconds.getPosition(), corner + sf::Vector2f(972, 114));
    EXPECT_FLOAT_EQ(seconds.getOrigin().x, seconds.getLocalBounds().width);
    EXPECT_EQ(hud.icons[7].getPosition(), corner + sf::Vector2f(979, 113));

    EXPECT_EQ(Hud::PowerUpSeconds(1200), 31);
    EXPECT_EQ(Hud::PowerUpSeconds(1), 1);
    EXPECT_EQ(Hud::PowerUpSeconds(0), 1);
    EXPECT_EQ(Hud::PowerUpSeconds(39), 1);
    EXPECT_EQ(Hud::PowerUpSeconds(40), 2);

    // No power-up: no counter for it.
    hud.texts[6]->setString("");
    stats.powerUpMode = PlayerStats::NoPowerUp;
    hud.Draw(stats);
    EXPECT_EQ(hud.texts[6]->getString().toAnsiString(), "");

    // The score uses all 32 bits and shows as it is.
    stats.totalCoins = 4294967295u;
    hud.Draw(stats);
    EXPECT_EQ(hud.texts[Hud::SlotTotal]->getString().toAnsiString(), "4294967295");
}

TEST_F(GraphicsTest, HudHeartsFillFromTheRight)
{
    Hud& hud = *gc->hud;
    PlayerStats stats;
    auto heartsArea = [&](std::uint16_t hearts) {
        win().clear(sf::Color::Black);
        stats.hearts = hearts;
        hud.Draw(stats);
        return Capture();
    };
    const sf::Image none = heartsArea(0);
    const sf::Image one = heartsArea(1);
    const sf::Image three = heartsArea(3);
    // The empty panel still shows with its icon.
    EXPECT_GT(CountOther(none, sf::IntRect(908, 10, 106, 39)), 0);
    EXPECT_GT(CountOther(none, sf::IntRect(979, 13, 33, 33)), 0);
    // The first heart sits at x 955..969, the third at 923..937.
    EXPECT_GT(CountDiffering(none, one, sf::IntRect(955, 13, 14, 27)), 0);
    EXPECT_EQ(CountDiffering(none, one, sf::IntRect(923, 13, 30, 27)), 0);
    EXPECT_GT(CountDiffering(one, three, sf::IntRect(923, 13, 14, 27)), 0);
}

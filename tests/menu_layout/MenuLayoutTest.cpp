// Every screen as a player sees it: the real application over the built
// data switches to each state, loads the state's backdrop level exactly as
// the game does and draws a frame, so that the screen stands in the view the
// game really uses. Then every widget and text of the screen must lie inside
// the window with a margin, no two may overlap, and nothing of the backdrop
// level but its plain background may lie under them for a minute of its
// play (tiles, floors, scenery, lifts, enemies, their shots, items).
#include "app/Application.h"
#include "app/AudioManager.h"
#include "app/DemoSlot.h"
#include "app/FrameDuration.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "app/ResourceException.h"
#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "game/objects/Enemy.h"
#include "game/objects/Item.h"
#include "game/objects/Lift.h"
#include "game/objects/Scenery.h"
#include "game/objects/Weapon.h"
#include "game/render/GraphicsContext.h"
#include "game/sim/Game.h"
#include "game/world/Floor.h"
#include "game/world/World.h"
#include "screens/CreditsMenu.h"
#include "screens/ErrorMenu.h"
#include "screens/HighscoreMenu.h"
#include "screens/LevelSelection.h"
#include "screens/MainMenu.h"
#include "screens/OptionMenu.h"
#include "screens/PauseMenu.h"
#include "screens/ProfileSelection.h"
#include "screens/VictoryMenu.h"
#include "sfxt/Button.h"
#include "sfxt/TextButton.h"
#include "sfxt/TextEntryField.h"
#include "sfxt/TextPlacement.h"

#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// How far every widget keeps from the window's edges, in pixels.
constexpr float WindowMargin = 10;
// How long the backdrop plays while nothing may cross a widget: a minute.
constexpr int BackdropSteps = 2400;
constexpr float Tile = 36;

struct Box {
    std::string name;
    // In the coordinates of the view the screen is drawn in: at rest, and as
    // big as it gets (buttons grow by 5 % under the mouse, and are opaque
    // then).
    sf::FloatRect rect;
    sf::FloatRect largest;
};

// What one screen shows at once; a screen may show several in turn (the
// level selection's loading bar, then its buttons).
struct Layout {
    std::string name;
    std::vector<Box> boxes;
};

sf::FloatRect SpriteBox(const sf::Sprite& sprite)
{
    const sf::Vector2f corner = sprite.getPosition() - sprite.getOrigin();
    const sf::FloatRect local = sprite.getLocalBounds();
    return sf::FloatRect(corner.x, corner.y, local.width, local.height);
}

sf::FloatRect Hovered(const sf::FloatRect& r)
{
    const float dx = 0.025f * r.width, dy = 0.025f * r.height;
    return sf::FloatRect(r.left - dx, r.top - dy, r.width + 2 * dx, r.height + 2 * dy);
}

// A text's box: the game's own measure, joined with the glyphs' bounds.
sf::FloatRect TextBox(const sf::Text& text)
{
    const sf::Vector2f corner = text.getPosition() - text.getOrigin();
    const sf::Vector2f size = GetTextSize(text);
    const sf::FloatRect glyphs = text.getGlobalBounds();
    const float left = std::min(corner.x, glyphs.left);
    const float top = std::min(corner.y, glyphs.top);
    const float right = std::max(corner.x + size.x, glyphs.left + glyphs.width);
    const float bottom = std::max(corner.y + size.y, glyphs.top + glyphs.height);
    return sf::FloatRect(left, top, right - left, bottom - top);
}

void AddSprite(Layout& layout, const std::string& name, const sf::Sprite& sprite)
{
    layout.boxes.push_back({name, SpriteBox(sprite), Hovered(SpriteBox(sprite))});
}

void AddStill(Layout& layout, const std::string& name, const sf::FloatRect& rect)
{
    layout.boxes.push_back({name, rect, rect});
}

void AddText(Layout& layout, const std::string& name, const sf::Text& text)
{
    if (!text.getString().isEmpty())
        AddStill(layout, name + " \"" + text.getString().toAnsiString() + "\"", TextBox(text));
}

// The heading and its frame over the whole of their bobbing.
void AddTitle(Layout& layout, Title title)
{
    sf::FloatRect frame = SpriteBox(title.frame);
    sf::FloatRect heading = TextBox(title.heading);
    const bool hasHeading = !title.heading.getString().isEmpty();
    for (int step = 0; step < 240; ++step) {
        title.Update();
        const sf::FloatRect f = SpriteBox(title.frame);
        const float top = std::min(frame.top, f.top), bottom = std::max(frame.top + frame.height, f.top + f.height);
        frame.top = top;
        frame.height = bottom - top;
        const sf::FloatRect h = TextBox(title.heading);
        const float htop = std::min(heading.top, h.top);
        const float hbottom = std::max(heading.top + heading.height, h.top + h.height);
        heading.top = htop;
        heading.height = hbottom - htop;
    }
    frame.left += title.drawOffset.x;
    frame.top += title.drawOffset.y;
    heading.left += title.drawOffset.x;
    heading.top += title.drawOffset.y;
    // The heading hangs in the frame's ribbon: they are one widget.
    const float left = std::min(frame.left, heading.left), top = std::min(frame.top, heading.top);
    const float right = std::max(frame.left + frame.width, hasHeading ? heading.left + heading.width : 0.f);
    const float bottom = std::max(frame.top + frame.height, hasHeading ? heading.top + heading.height : 0.f);
    AddStill(layout, "title", sf::FloatRect(left, top, right - left, bottom - top));
    // Its text block, word by word as laid out in the block's box.
    title.text.Layout();
    const sf::Transform place = title.text.getTransform();
    for (const sf::Text& word : title.text.words) {
        if (word.getString().isEmpty())
            continue;
        // By the measure alone: the lines lie one line spacing apart.
        const sf::Vector2f corner = word.getPosition() - word.getOrigin();
        sf::FloatRect r = place.transformRect(sf::FloatRect(corner, GetTextSize(word)));
        r.left += title.drawOffset.x;
        r.top += title.drawOffset.y;
        AddStill(layout, "title text \"" + word.getString().toAnsiString() + "\"", r);
    }
}

// --- What each screen shows -------------------------------------------------

std::vector<Layout> Shown(MainMenu& menu)
{
    Layout all{"main menu", {}};
    for (auto& entry : menu.buttons)
        AddSprite(all, "button " + std::to_string(entry.first), entry.second.sprite);
    AddTitle(all, menu.title);
    return {all};
}

std::vector<Layout> Shown(ProfileSelection& menu)
{
    // The name field (new mode) and the confirm button (delete mode) are
    // never shown together, but they keep apart all the same.
    Layout all{"profile selection", {}};
    const char* names[] = {"back", "new", "delete"};
    for (std::size_t i = 0; i < menu.buttons.size(); ++i)
        AddSprite(all, names[i], menu.buttons[i].sprite);
    for (std::size_t i = 0; i < menu.profileButtons.size(); ++i)
        AddSprite(all, "profile " + std::to_string(i), menu.profileButtons[i].sprite);
    AddStill(all, "name field", menu.entryField.frame.getGlobalBounds());
    AddSprite(all, "confirm", menu.confirmButton.sprite);
    AddTitle(all, menu.title);
    return {all};
}

std::vector<Layout> Shown(LevelSelection& menu)
{
    Layout loading{"level selection, loading", {}};
    AddSprite(loading, "back", menu.backButton.sprite);
    AddSprite(loading, "bar", menu.barFrame);
    AddText(loading, "loading", menu.loadingText);
    AddTitle(loading, menu.title);

    Layout loaded{"level selection", {}};
    AddSprite(loaded, "back", menu.backButton.sprite);
    AddSprite(loaded, "resume", menu.resumeButton.sprite);
    for (const sfxt::TextButton& button : menu.levelButtons)
        AddSprite(loaded, "level " + button.GetString(), button.sprite);
    AddTitle(loaded, menu.title);
    return {loading, loaded};
}

std::vector<Layout> Shown(OptionMenu& menu)
{
    Layout all{"options", {}};
    for (const sf::Text& label : menu.labels)
        AddText(all, "label", label);
    for (std::size_t r = 0; r < menu.rows.size(); ++r)
        for (const sfxt::TextButton& choice : menu.rows[r])
            AddSprite(all, "row " + std::to_string(r) + " " + choice.GetString(), choice.sprite);
    AddSprite(all, "cancel", menu.cancelButton.sprite);
    AddSprite(all, "apply", menu.applyButton.sprite);
    AddTitle(all, menu.title);
    return {all};
}

std::vector<Layout> Shown(HighscoreMenu& menu)
{
    Layout all{"highscores", {}};
    for (std::size_t i = 0; i < menu.names.size(); ++i) {
        AddText(all, "place", menu.places[i]);
        AddText(all, "name", menu.names[i]);
        AddText(all, "score", menu.scores[i]);
    }
    AddSprite(all, "back", menu.backButton.sprite);
    AddSprite(all, "reset", menu.resetButton.sprite);
    AddSprite(all, "confirm", menu.confirmButton.sprite);
    AddTitle(all, menu.title);
    return {all};
}

std::vector<Layout> Shown(CreditsMenu& menu)
{
    Layout all{"credits", {}};
    AddSprite(all, "back", menu.backButton.sprite);
    for (const sf::Text& text : menu.entries)
        AddText(all, "credits", text);
    AddTitle(all, menu.title);
    return {all};
}

std::vector<Layout> Shown(PauseMenu& menu)
{
    Layout all{"pause", {}};
    AddSprite(all, "resume", menu.resumeButton.sprite);
    AddSprite(all, "leave", menu.leaveButton.sprite);
    AddSprite(all, "options", menu.optionsButton.sprite);
    AddTitle(all, menu.title);
    return {all};
}

std::vector<Layout> Shown(VictoryMenu& menu)
{
    Layout all{"victory", {}};
    AddSprite(all, "highscores", menu.highscoresButton.sprite);
    AddTitle(all, menu.title);
    return {all};
}

std::vector<Layout> Shown(ErrorMenu& menu)
{
    Layout all{"error", {}};
    AddSprite(all, "button", menu.button.sprite);
    AddText(all, "message", menu.message);
    AddTitle(all, menu.title);
    return {all};
}

template <typename Screen>
bool TryShown(Surface* screen, std::vector<Layout>& layouts)
{
    if (auto* s = dynamic_cast<Screen*>(screen)) {
        layouts = Shown(*s);
        return true;
    }
    return false;
}

std::vector<Layout> ShownBy(Surface* screen)
{
    std::vector<Layout> layouts;
    TryShown<MainMenu>(screen, layouts) || TryShown<ProfileSelection>(screen, layouts) ||
        TryShown<LevelSelection>(screen, layouts) || TryShown<OptionMenu>(screen, layouts) ||
        TryShown<HighscoreMenu>(screen, layouts) || TryShown<CreditsMenu>(screen, layouts) ||
        TryShown<PauseMenu>(screen, layouts) || TryShown<VictoryMenu>(screen, layouts) ||
        TryShown<ErrorMenu>(screen, layouts);
    return layouts;
}

// --- Checks -----------------------------------------------------------------

std::string Describe(const sf::FloatRect& r)
{
    std::ostringstream out;
    out << "(" << r.left << ", " << r.top << ") to (" << r.left + r.width << ", " << r.top + r.height << ")";
    return out.str();
}

// Every box inside the window with the margin, as mapped through the view.
void ExpectInsideWindow(const Layout& layout, const sf::View& view, sf::Vector2f window)
{
    const sf::Vector2f corner = view.getCenter() - view.getSize() / 2.f;
    for (const Box& box : layout.boxes) {
        const sf::FloatRect r(box.largest.left - corner.x, box.largest.top - corner.y, box.largest.width,
                              box.largest.height);
        EXPECT_TRUE(r.left >= WindowMargin && r.top >= WindowMargin && r.left + r.width <= window.x - WindowMargin &&
                    r.top + r.height <= window.y - WindowMargin)
            << layout.name << ": " << box.name << " lies at " << Describe(r) << " of the window";
    }
}

// One widget under the mouse at most: as big as it gets against the others
// at rest.
void ExpectNoOverlap(const Layout& layout)
{
    for (std::size_t i = 0; i < layout.boxes.size(); ++i)
        for (std::size_t j = 0; j < layout.boxes.size(); ++j)
            EXPECT_TRUE(i == j || !layout.boxes[i].largest.intersects(layout.boxes[j].rect))
                << layout.name << ": " << layout.boxes[i].name << " " << Describe(layout.boxes[i].largest)
                << " overlaps " << layout.boxes[j].name << " " << Describe(layout.boxes[j].rect);
}

// The screen's heading, and its middle button where it has one, centred
// across the window (within the ten pixels by which the heading, placed at
// half the window's width, and the grid of buttons differ).
void ExpectCentred(const Layout& layout, const sf::View& view, float windowWidth)
{
    const float corner = view.getCenter().x - view.getSize().x / 2;
    for (const Box& box : layout.boxes) {
        if (box.name != "title" && box.name != "back" && box.name != "apply" && box.name != "button 0")
            continue;
        const float centre = box.rect.left + box.rect.width / 2 - corner;
        EXPECT_NEAR(centre, windowWidth / 2, 12) << layout.name << ": " << box.name;
    }
}

// What of the backdrop level is drawn where, in the play field's
// coordinates (those of the menus' view).
struct Clutter {
    std::string name;
    sf::FloatRect rect;
};

// An object's picture, centred on its position; a shot turns, so it may
// reach as far as its diagonal.
sf::FloatRect ObjectBox(const Object& object, bool turns = false)
{
    const sf::Vector2f p = object.GetPosition();
    const sf::IntRect t = object.GetTextureRect();
    const sf::Vector2f s = object.GetSize();
    sf::Vector2f half(std::max(static_cast<float>(t.width), s.x) / 2, std::max(static_cast<float>(t.height), s.y) / 2);
    if (turns)
        half.x = half.y = std::hypot(half.x, half.y);
    return sf::FloatRect(p.x - half.x, p.y - half.y, 2 * half.x, 2 * half.y);
}

sf::FloatRect EnemyBox(const Enemy& enemy)
{
    const sf::Vector2f p = enemy.GetPosition();
    const sf::Vector2f s = enemy.GetSize();
    const sf::IntRect t = enemy.GetTextureRect();
    const float offsetX = s.x / 2 + enemy.boxOffset.x;
    const float left = enemy.facingRight ? p.x - offsetX : p.x + offsetX - static_cast<float>(t.width);
    return sf::FloatRect(left, p.y - (s.y / 2 + enemy.boxOffset.y), static_cast<float>(t.width),
                         static_cast<float>(t.height));
}

std::vector<Clutter> MovingClutter(Game& game)
{
    World& world = game.GetWorld();
    std::vector<Clutter> found;
    for (const Lift& lift : world.lifts)
        found.push_back({"a lift", ObjectBox(lift)});
    for (const Enemy& enemy : world.enemies)
        found.push_back({"an enemy of kind " + std::to_string(enemy.kind), EnemyBox(enemy)});
    for (const Weapon& shot : world.enemyWeapons)
        found.push_back({"an enemy's shot", ObjectBox(shot, true)});
    for (const Item& item : world.items)
        found.push_back({"an item of kind " + std::to_string(item.kind), ObjectBox(item)});
    for (const Scenery& piece : game.GetForegroundScenery())
        found.push_back({"foreground scenery of kind " + std::to_string(piece.kind), ObjectBox(piece)});
    // The background layer scrolls at half the speed of the play field, so
    // its pieces show moved by half the camera's corner.
    const GraphicsContext& graphics = *Application::Instance().graphics;
    const sf::Vector2f shift = GraphicsContext::SnapOffset(graphics.layerOffsets[2]) -
                               GraphicsContext::SnapOffset(graphics.layerOffsets[1]);
    for (const Scenery& piece : game.GetBackgroundScenery()) {
        sf::FloatRect r = ObjectBox(piece);
        r.left += shift.x;
        r.top += shift.y;
        found.push_back({"background scenery of kind " + std::to_string(piece.kind), r});
    }
    return found;
}

std::vector<Clutter> StillClutter(Game& game)
{
    const Tilemap& map = game.GetWorld().tilemap;
    std::vector<Clutter> found;
    for (std::uint32_t x = 0; x < map.Columns(); ++x)
        for (std::uint32_t y = 0; y < map.Rows(); ++y)
            if (map.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)).id != 0)
                found.push_back({"tile " + std::to_string(map.At(static_cast<std::int32_t>(x),
                                                                   static_cast<std::int32_t>(y)).id) +
                                     " at (" + std::to_string(x) + ", " + std::to_string(y) + ")",
                                 sf::FloatRect(Tile * static_cast<float>(x), Tile * static_cast<float>(y), Tile, Tile)});
    for (const auto& entry : map.GetFloors()) {
        const Floor& floor = entry.second;
        // Drawn from 3 pixels above and left of its tile, 42 pixels square.
        found.push_back({"a floor at (" + std::to_string(floor.x) + ", " + std::to_string(floor.y) + ")",
                         sf::FloatRect(Tile * static_cast<float>(floor.x) - 3, Tile * static_cast<float>(floor.y) - 3,
                                       42, 42)});
    }
    return found;
}

// A picture of the level's grid with the widgets' cells marked, to show a
// level designer where the free room lies.
std::string WidgetMap(Game& game, const std::vector<Layout>& layouts)
{
    const Tilemap& map = game.GetWorld().tilemap;
    std::ostringstream out;
    for (std::uint32_t y = 0; y < map.Rows(); ++y) {
        for (std::uint32_t x = 0; x < map.Columns(); ++x) {
            const sf::FloatRect cell(Tile * static_cast<float>(x), Tile * static_cast<float>(y), Tile, Tile);
            bool covered = false;
            for (const Layout& layout : layouts)
                for (const Box& box : layout.boxes)
                    covered = covered || box.rect.intersects(cell);
            const bool tile = map.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)).id != 0;
            out << (covered ? (tile ? '!' : 'o') : (tile ? '#' : '.'));
        }
        out << '\n';
    }
    return out.str();
}

// The widgets at rest are translucent: nothing may lie under them. Each
// fault is told once per piece of clutter and widget.
void ExpectClear(const std::vector<Layout>& layouts, const std::vector<Clutter>& clutter, int step,
                 std::vector<std::string>& reported)
{
    for (const Layout& layout : layouts)
        for (const Box& box : layout.boxes)
            for (const Clutter& c : clutter) {
                if (!box.rect.intersects(c.rect))
                    continue;
                const std::string fault = layout.name + ": " + c.name + " lies under " + box.name;
                if (std::find(reported.begin(), reported.end(), fault) != reported.end())
                    continue;
                reported.push_back(fault);
                ADD_FAILURE() << fault << " at step " << step << ": " << Describe(c.rect) << " against "
                              << Describe(box.rect);
            }
}

// --- The application --------------------------------------------------------

Application& App()
{
    static testsupport::TempDataDir dir;
    static bool made = false;
    if (!made) {
        made = true;
        EXPECT_EQ(dir.CopyBuiltArchives(), 4);
        // The fullest screens a player can meet: five profiles with the
        // longest names, every weapon and the jetpack owned (so all eleven
        // key bindings show), every level open and a saved game; a full
        // highscore table of long names and big scores.
        ProfileStore store;
        for (const char* name : {"WWWWWWWWWWWWWWW", "MMMMMMMMMMMMMMM", "Player three", "4", "Last one"})
            store.AddProfile(name);
        for (Profile& p : store.profiles) {
            p.world = 2;
            p.level = 3;
            p.furthestWorld = 3;
            p.furthestLevel = 4;
            p.savedGame = true;
            p.equipment = Profile::EquipmentRocket | Profile::EquipmentRollingBomb | Profile::EquipmentMine |
                          Profile::EquipmentJetpack;
            p.stats.totalCoins = 4294967295u;
        }
        store.SaveProfiles();
        for (int i = 0; i < 8; ++i)
            store.highscores.insert(Highscore{i % 2 ? "WWWWWWWWWWWWWWW" : "MMMMMMMMMMMMMMM", 2147483647 - i});
        store.SaveHighscores();
    }
    Application& app = Application::Instance();
    static bool started = false;
    if (!started) {
        started = true;
        EXPECT_TRUE(app.window && app.graphics && app.audio) << "the application did not start";
        EXPECT_TRUE(app.Startup());
        // The level selection shows its buttons once the sounds are loaded.
        app.audio->thread.wait();
    }
    return app;
}

// One pass of the main loop that runs one step and draws one frame, so that
// the window is left in the view that the screen drew in.
void StepAndDraw(Application& app, int passes = 2)
{
    for (int i = 0; i < passes; ++i)
        app.RunPass(FrameDuration);
}

struct BackdropCase {
    StateId state;
    const char* name;
};

void PrintTo(const BackdropCase& c, std::ostream* out)
{
    *out << c.name;
}

class BackdropScreens : public ::testing::TestWithParam<BackdropCase> {};

TEST_P(BackdropScreens, LieInsideTheWindowApartAndOverPlainBackground)
{
    Application& app = App();
    const BackdropCase c = GetParam();
    app.SwitchState(c.state);
    ASSERT_EQ(app.state, c.state) << "the switch failed: see the log";
    ASSERT_TRUE(app.demo && app.demo->active);
    Surface* screen = app.current.get();
    StepAndDraw(app);
    ASSERT_EQ(app.current.get(), screen) << "the screen was left";

    sf::RenderWindow& window = app.graphics->window->window;
    const sf::View view = window.getView();
    const sf::Vector2f size(static_cast<float>(window.getSize().x), static_cast<float>(window.getSize().y));
    Game& backdrop = *app.demo->game;
    const Tilemap& map = backdrop.GetWorld().tilemap;
    // Every backdrop has the size that the menus are laid out for, and the
    // menus stand in the view of its camera, on the map's centre.
    EXPECT_EQ(map.Columns(), BackdropColumns);
    EXPECT_EQ(map.Rows(), BackdropRows);
    EXPECT_EQ(view.getCenter(), sf::Vector2f(static_cast<float>(map.Columns()) * Tile / 2,
                                             static_cast<float>(map.Rows()) * Tile / 2));

    const std::vector<Layout> layouts = ShownBy(app.current.get());
    ASSERT_FALSE(layouts.empty()) << c.name;
    for (const Layout& layout : layouts) {
        ExpectInsideWindow(layout, view, size);
        ExpectNoOverlap(layout);
        ExpectCentred(layout, view, size.x);
    }

    std::vector<std::string> reported;
    ExpectClear(layouts, StillClutter(backdrop), 0, reported);
    for (int step = 0; step < BackdropSteps && reported.size() < 20; ++step) {
        ExpectClear(layouts, MovingClutter(backdrop), step, reported);
        backdrop.Update();
    }
    if (!reported.empty())
        ADD_FAILURE() << "level 0-" << StateBackdropLevels[static_cast<std::size_t>(c.state)]
                      << " with the widgets' cells (o free, ! a tile under a widget, # a tile):\n"
                      << WidgetMap(backdrop, layouts);
}

INSTANTIATE_TEST_SUITE_P(EveryState, BackdropScreens,
                         ::testing::Values(BackdropCase{StateMainMenu, "MainMenu"},
                                           BackdropCase{StateProfileSelection, "ProfileSelection"},
                                           BackdropCase{StateLevelSelection, "LevelSelection"},
                                           BackdropCase{StateOptionsFromMainMenu, "Options"},
                                           BackdropCase{StateHighscores, "Highscores"},
                                           BackdropCase{StateCredits, "Credits"}),
                         [](const ::testing::TestParamInfo<BackdropCase>& param) { return param.param.name; });

// The screens drawn without a backdrop level: the pause, victory and error
// screens in the window's own view, and, once a backdrop level could not be
// loaded, the menus over the backdrop's plain background in the view they
// are laid out for.
TEST(ScreensWithoutABackdrop, LieInsideTheWindowApart)
{
    Application& app = App();
    std::string sentences;
    for (int i = 0; i < 40; ++i)
        sentences += "Loading error at Gfx/Item.png while reading the archive. ";
    const auto error = [&app](const std::string& message) {
        return [&app, message] { app.HandleError(ResourceException(message, ""), false); };
    };
    const struct {
        const char* name;
        std::function<void()> enter;
    } cases[] = {
        {"pause",
         [&app] {
             app.SwitchState(StateNewGame);
             app.SwitchState(StatePause);
         }},
        {"victory", [&app] { app.SwitchState(StateVictory); }},
        {"error", error("Failed to load level 0-1\n   Invalid data")},
        {"long error", error(sentences)},
        {"plain main menu",
         [&app] {
             app.demo->plain = true;
             app.SwitchState(StateMainMenu);
         }},
        {"plain options", [&app] { app.SwitchState(StateOptionsFromMainMenu); }},
    };
    sf::RenderWindow& window = app.graphics->window->window;
    const sf::Vector2f size(static_cast<float>(window.getSize().x), static_cast<float>(window.getSize().y));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.enter();
        StepAndDraw(app);
        const std::vector<Layout> layouts = ShownBy(app.current.get());
        ASSERT_FALSE(layouts.empty());
        for (const Layout& layout : layouts) {
            ExpectInsideWindow(layout, window.getView(), size);
            ExpectNoOverlap(layout);
        }
    }
    EXPECT_EQ(window.getView().getCenter(), sf::Vector2f(BackdropColumns * Tile / 2, BackdropRows * Tile / 2));
    app.demo->plain = false;
    app.SwitchState(StateMainMenu);
}

}  // namespace

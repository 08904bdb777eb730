#include "ScreenTestSupport.h"

#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/ProfileStore.h"
#include "app/ResourceManager.h"
#include "game/render/GraphicsContext.h"
#include "screens/ErrorMenu.h"
#include "screens/VictoryMenu.h"
#include "sfxt/ButtonStyle.h"
#include "sfxt/TextPlacement.h"
#include "support/WindowPicture.h"

#include <SFML/Graphics/View.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

using namespace screenstest;

namespace {

// Makes the store hold one profile of the given score and selects it.
void PlayAs(const std::string& name, std::uint32_t score)
{
    ProfileStore& store = *App().profiles;
    store.profiles.clear();
    Profile profile;
    profile.name = name;
    profile.stats.totalCoins = score;
    store.profiles.push_back(profile);
    store.currentProfile = 0;
}

void ScrollTheView()
{
    sf::View view = Window().getDefaultView();
    view.move(700, 300);
    Window().setView(view);
}

}  // namespace

// The score shown is the one the highscore table enters right after: a
// total beyond the signed 32-bit range is capped in both.
TEST(VictoryMenu, CongratulatesTheProfileWithTheScoreTheTableEnters)
{
    struct Case {
        std::uint32_t score;
        const char* shown;
    } cases[] = {{0, "0"},
                 {12345, "12345"},
                 {2147483647u, "2147483647"},
                 {4000000000u, "2147483647"},
                 {4294967295u, "2147483647"}};
    for (const Case& c : cases) {
        PlayAs("Ilka", c.score);
        VictoryMenu menu(*App().resources);
        EXPECT_EQ(menu.title.heading.getString().toAnsiString(), "You made it!");
        EXPECT_EQ(menu.title.text.string.toAnsiString(),
                  std::string("Congratulations, Ilka!\nYour final score: ") + c.shown + "\n\nThanks for playing!")
            << c.score;
        ProfileStore& store = *App().profiles;
        store.highscores.clear();
        store.SaveHighscores();
        store.AddHighscore();
        ASSERT_EQ(store.highscores.size(), 1u);
        EXPECT_EQ(std::to_string(store.highscores.begin()->score), c.shown) << c.score;
    }
}

TEST(VictoryMenu, WithoutAProfileInPlayShowsNoNameAndNoScore)
{
    App().profiles->profiles.clear();
    App().profiles->currentProfile = 0;
    EXPECT_EQ(VictoryMenu::CongratulationText(), "Congratulations, !\nYour final score: 0\n\nThanks for playing!");
}

TEST(VictoryMenu, PlaysTheVictoryMusicUntilItIsLeft)
{
    PlayAs("Ilka", 10);
    AudioManager& audio = *App().audio;
    {
        VictoryMenu menu(*App().resources);
        EXPECT_EQ(audio.mainMusic, MusicVictory);
        EXPECT_EQ(audio.state, MusicMainPlaying);
        EXPECT_EQ(menu.title.drawOffset, sf::Vector2f(0, -110));
        EXPECT_EQ(menu.title.textOffset, sf::Vector2f(-290, 265));
        audio.jingleMusic = MusicEndOfLevel;
    }
    EXPECT_EQ(audio.state, MusicStopped);
    EXPECT_EQ(audio.mainMusic, MusicNone);
    EXPECT_EQ(audio.jingleMusic, MusicNone);

    // Leaving when the music was already stopped is no error.
    {
        VictoryMenu menu(*App().resources);
        audio.StopMusic();
        audio.mainMusic = MusicVictory;
    }
    EXPECT_EQ(audio.state, MusicStopped);
    EXPECT_EQ(audio.mainMusic, MusicNone);
}

TEST(VictoryMenu, AnyMouseButtonOnTheHighscoresButtonLeadsToTheTable)
{
    PlayAs("Ilka", 10);
    VictoryMenu menu(*App().resources);
    const sf::Sprite& button = menu.highscoresButton.sprite;
    EXPECT_EQ(button.getTextureRect(), GetButtonRect(3));
    EXPECT_EQ(Click(menu, Beside(button)), StateStay);
    EXPECT_EQ(Click(menu, Centre(button), sf::Mouse::Right), StateHighscores);
    EXPECT_EQ(Click(menu, BottomRight(button), sf::Mouse::Left), StateHighscores);
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::Return)), StateStay);
    EXPECT_EQ(menu.HandleEvent(Closed()), StateQuit);
}

TEST(VictoryMenu, DrawsOnTheScreenWhateverViewWasSet)
{
    PlayAs("Ilka", 10);
    VictoryMenu menu(*App().resources);
    EXPECT_EQ(menu.picture.getPosition(), sf::Vector2f(0, 0));
    ScrollTheView();
    menu.Draw();
    EXPECT_EQ(Window().getView().getCenter(), Window().getDefaultView().getCenter());
}

TEST(ErrorMenu, TellsAFatalErrorFromARecoverableOne)
{
    App();
    struct Case {
        bool fatal;
        ButtonStyle style;
        const char* ending;
        int result;
    } cases[] = {
        {true, 5, "The problem cannot be fixed.", StateQuit},
        {false, 13, "Back to main menu.", StateMainMenu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fatal);
        ErrorMenu menu(c.fatal, "Loading error at Gfx/Item.png");
        EXPECT_EQ(menu.IsFatal(), c.fatal);
        EXPECT_EQ(menu.GetMessage(), "Loading error at Gfx/Item.png");
        EXPECT_EQ(menu.message.getString().toAnsiString(),
                  std::string("An error occurred:\n\n   Loading error at Gfx/Item.png\n\n") + c.ending);
        EXPECT_EQ(menu.message.getCharacterSize(), 24u);
        EXPECT_EQ(menu.title.heading.getString().toAnsiString(), "Error handling");
        const sf::Sprite& button = menu.button.sprite;
        EXPECT_EQ(button.getTextureRect(), GetButtonRect(c.style));
        EXPECT_EQ(Click(menu, Beside(button)), StateStay);
        EXPECT_EQ(Click(menu, Centre(button), sf::Mouse::Right), c.result);
        EXPECT_EQ(Click(menu, BottomRight(button), sf::Mouse::Middle), c.result);
        EXPECT_EQ(menu.HandleEvent(Closed()), StateQuit);
        // The button and the message show.
        Window().clear(testsupport::Unpainted);
        menu.Draw();
        EXPECT_GT(testsupport::PaintedIn(Window(), button.getGlobalBounds()), 0);
        const sf::Image picture = testsupport::Grab(Window());
        const sf::FloatRect text = menu.message.getGlobalBounds();
        const sf::Vector2i at = Window().mapCoordsToPixel(sf::Vector2f(text.left, text.top));
        const sf::IntRect area(at.x, at.y, static_cast<int>(text.width), static_cast<int>(text.height));
        EXPECT_GT(testsupport::CountOther(picture, area, picture.getPixel(2, 2)), 0);
    }
}

TEST(ErrorMenu, CentresTheMessageOnTheWindowNotOnAScrolledLevel)
{
    GraphicsContext& graphics = *App().graphics;
    ScrollTheView();
    for (sf::Vector2f& offset : graphics.layerOffsets)
        offset = sf::Vector2f(210, 90);
    graphics.camera = sf::Vector2f(700, 300);

    ErrorMenu menu(false, "Failed to load level 1-2\n   Incorrect checksum.");
    EXPECT_EQ(Window().getView().getCenter(), Window().getDefaultView().getCenter());
    for (const sf::Vector2f& offset : graphics.layerOffsets)
        EXPECT_EQ(offset, sf::Vector2f(0, 0));
    EXPECT_EQ(graphics.camera, sf::Vector2f(700, 300));

    const sf::FloatRect box = Box(menu.message);
    EXPECT_NEAR(box.left + box.width / 2, 512, 0.5);
    EXPECT_NEAR(box.top, ErrorMenu::MessageTop, 0.5);
    graphics.camera = sf::Vector2f(0, 0);
}

// However long the message, it is wrapped to the window and stands above
// its button, which stays inside the window.
TEST(ErrorMenu, PutsItsMessageAboveTheButtonHoweverLongItIs)
{
    App();
    const std::string word = "Unbreakable" + std::string(150, 'x');
    std::string sentences;
    for (int i = 0; i < 60; ++i)
        sentences += "Loading error at Gfx/Item.png while reading the archive. ";
    for (const std::string& text : {std::string("Failed to load level 0-1"),
                                    std::string("Failed to load level 0-1\n   Invalid data"), word, sentences}) {
        SCOPED_TRACE(text.substr(0, 40));
        ErrorMenu menu(false, text);
        const sf::FloatRect box = Box(menu.message);
        const sf::FloatRect button = menu.button.sprite.getGlobalBounds();
        EXPECT_GE(box.left, ErrorMenu::MessageMargin - 0.5f);
        EXPECT_LE(box.left + box.width, 1024 - ErrorMenu::MessageMargin + 0.5f);
        EXPECT_LE(box.top + box.height + ErrorMenu::ButtonGap, button.top);
        EXPECT_LE(button.top + button.height, 768 - 12);
        EXPECT_NEAR(button.left + button.width / 2, 522, 0.5);  // the back button's column, as on every menu
        const std::string shown = menu.message.getString().toAnsiString();
        EXPECT_EQ(shown.substr(shown.size() - 18), "Back to main menu.");
        EXPECT_EQ(Click(menu, Centre(menu.button.sprite)), StateMainMenu);
    }
}

// A message that no size and no cut can fit above the button (here in a
// width of one pixel, one character a line) still ends: at the smallest
// size, with nothing left of the error's own text.
TEST(ErrorMenu, FittingAMessageThatCanNeverFitEnds)
{
    sf::Text text("", App().graphics->resources->GetFont());
    ErrorMenu::FitMessage(text, false, "Loading error at Gfx/Item.png", 1);
    EXPECT_EQ(text.getCharacterSize(), ErrorMenu::SmallestMessageSize);
    std::string shown = text.getString().toAnsiString();
    shown.erase(std::remove(shown.begin(), shown.end(), '\n'), shown.end());
    EXPECT_EQ(shown.find("Item"), std::string::npos) << shown;
    EXPECT_NE(shown.find("..."), std::string::npos) << shown;
}

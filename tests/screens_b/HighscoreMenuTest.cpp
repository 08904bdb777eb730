#include "ScreenTestSupport.h"

#include "app/ProfileStore.h"
#include "screens/HighscoreMenu.h"
#include "sfxt/TextPlacement.h"
#include "support/WindowPicture.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace screenstest;

namespace {

// Writes the table to "Data/Highscore.txt" through the store and leaves the
// store's own set empty, so that the menu must read the file.
void WriteTable(const std::vector<Highscore>& entries)
{
    ProfileStore& store = *App().profiles;
    store.highscores.clear();
    for (const Highscore& entry : entries)
        store.highscores.insert(entry);
    store.SaveHighscores();
    store.highscores.clear();
}

std::vector<std::string> Strings(const std::vector<sf::Text>& texts)
{
    std::vector<std::string> out;
    for (const sf::Text& text : texts)
        out.push_back(text.getString().toAnsiString());
    return out;
}

bool FileExists(const std::string& relative)
{
    return std::ifstream(relative).good();
}

}  // namespace

TEST(HighscoreMenu, ShowsTheFileBestFirstInRowsFortyPixelsApart)
{
    // Entered in this order; equal scores keep it.
    WriteTable({{"Ada", 300}, {"Bo", 900}, {"Cy", 300}, {"Di", 0}, {"Ed", 1200}, {"Flo", 300}, {"Gus", 5},
                {"Hal", 2147483647}});
    HighscoreMenu menu;

    EXPECT_EQ(Strings(menu.names), (std::vector<std::string>{"Hal", "Ed", "Bo", "Ada", "Cy", "Flo", "Gus", "Di"}));
    EXPECT_EQ(Strings(menu.places),
              (std::vector<std::string>{"(1)", "(2)", "(3)", "(4)", "(5)", "(6)", "(7)", "(8)"}));
    EXPECT_EQ(Strings(menu.scores),
              (std::vector<std::string>{"2147483647", "1200", "900", "300", "300", "300", "5", "0"}));

    const sf::FloatRect back = menu.backButton.sprite.getGlobalBounds();
    const float nameCentreX = back.left + back.width / 2 - 36;
    for (std::size_t i = 0; i < menu.names.size(); ++i) {
        SCOPED_TRACE(i);
        const sf::FloatRect name = Box(menu.names[i]);
        const sf::FloatRect place = Box(menu.places[i]);
        const sf::FloatRect score = Box(menu.scores[i]);
        const float rowY = 460 + 40 * static_cast<float>(i);
        EXPECT_FLOAT_EQ(name.left + name.width / 2, nameCentreX);
        EXPECT_FLOAT_EQ(name.top + name.height / 2, rowY);
        EXPECT_FLOAT_EQ(place.top + place.height / 2, rowY);
        EXPECT_FLOAT_EQ(score.top + score.height / 2, rowY);
        EXPECT_FLOAT_EQ(place.left + place.width, name.left - 40);
        EXPECT_FLOAT_EQ(score.left, name.left + name.width + 40);
        EXPECT_EQ(menu.names[i].getCharacterSize(), 25u);
        EXPECT_EQ(menu.names[i].getFillColor(), sf::Color(30, 30, 30, 255));
        EXPECT_EQ(menu.places[i].getFillColor(), sf::Color(250, 190, 0, 255));
        EXPECT_EQ(menu.scores[i].getFillColor(), sf::Color(200, 200, 200, 255));
    }
    Window().clear(testsupport::Unpainted);
    menu.Draw();
    for (std::size_t i = 0; i < menu.names.size(); ++i) {
        EXPECT_GT(testsupport::PaintedIn(Window(), Box(menu.names[i])), 0) << i;
        EXPECT_GT(testsupport::PaintedIn(Window(), Box(menu.scores[i])), 0) << i;
    }
    EXPECT_GT(testsupport::PaintedIn(Window(), menu.backButton.sprite.getGlobalBounds()), 0);
}

TEST(HighscoreMenu, ResetAsksForConfirmationAndEmptiesTableAndFile)
{
    WriteTable({{"Ada", 300}, {"Bo", 900}});
    HighscoreMenu menu;
    ASSERT_EQ(menu.names.size(), 2u);
    const sf::FloatRect firstRow = Box(menu.names[0]);
    // The reset button reaches below the window's bottom edge: click its
    // visible part.
    const sf::Vector2f reset(Centre(menu.resetButton.sprite).x, 762);
    const sf::Vector2f confirm = Centre(menu.confirmButton.sprite);

    // The confirm button is not there until reset was clicked.
    EXPECT_EQ(Click(menu, confirm), StateStay);
    EXPECT_FALSE(menu.confirming);
    // Reset twice hides it again.
    EXPECT_EQ(Click(menu, reset), StateStay);
    EXPECT_TRUE(menu.confirming);
    Window().clear(testsupport::Unpainted);
    menu.Draw();
    const sf::FloatRect confirmBox = menu.confirmButton.sprite.getGlobalBounds();
    EXPECT_GT(testsupport::PaintedIn(Window(), confirmBox), 0);
    EXPECT_EQ(Click(menu, reset), StateStay);
    EXPECT_FALSE(menu.confirming);
    EXPECT_EQ(Click(menu, confirm), StateStay);
    EXPECT_EQ(menu.names.size(), 2u);
    EXPECT_EQ(App().profiles->highscores.size(), 2u);

    // A right press is no click on this screen.
    EXPECT_EQ(Click(menu, reset, sf::Mouse::Right), StateStay);
    EXPECT_FALSE(menu.confirming);

    EXPECT_EQ(Click(menu, reset), StateStay);
    EXPECT_EQ(Click(menu, BottomRight(menu.confirmButton.sprite)), StateStay);
    EXPECT_FALSE(menu.confirming);
    EXPECT_TRUE(menu.names.empty());
    EXPECT_TRUE(menu.places.empty());
    EXPECT_TRUE(menu.scores.empty());
    EXPECT_TRUE(App().profiles->highscores.empty());

    ProfileStore fresh;
    fresh.LoadHighscores();
    EXPECT_TRUE(fresh.highscores.empty());
    EXPECT_FALSE(FileExists(ProfileStore::HighscoresErrorFileName));   // the emptied file is sound
    // Neither the confirm button nor a row is drawn any more.
    Window().clear(testsupport::Unpainted);
    menu.Draw();
    EXPECT_EQ(testsupport::PaintedIn(Window(), confirmBox), 0);
    EXPECT_EQ(testsupport::PaintedIn(Window(), firstRow), 0);
}

TEST(HighscoreMenu, AnEmptyTableHasNoRowsAndTheButtonsStillWork)
{
    WriteTable({});
    HighscoreMenu menu;
    EXPECT_TRUE(menu.names.empty());
    EXPECT_EQ(Click(menu, Centre(menu.backButton.sprite), sf::Mouse::Right), StateStay);
    EXPECT_EQ(Click(menu, Beside(menu.backButton.sprite)), StateStay);
    EXPECT_EQ(Click(menu, BottomRight(menu.backButton.sprite)), StateMainMenu);
    EXPECT_EQ(menu.HandleEvent(Closed()), StateQuit);
}

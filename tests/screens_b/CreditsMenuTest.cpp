#include "ScreenTestSupport.h"

#include "screens/CreditsMenu.h"
#include "sfxt/TextPlacement.h"
#include "support/WindowPicture.h"

#include <gtest/gtest.h>

using namespace screenstest;

TEST(CreditsMenu, ListsFourEntriesInACentredColumnFromY400)
{
    App();
    CreditsMenu menu;
    const std::vector<std::string> headings = {"", "Programming, Graphics, Level Design", "Music", "Libraries"};
    ASSERT_EQ(menu.entries.size(), 2 * headings.size());

    float expectedTop = CreditsMenu::ColumnTop;
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const sf::Text& heading = menu.entries[2 * i];
        const sf::Text& text = menu.entries[2 * i + 1];
        SCOPED_TRACE(i);
        EXPECT_EQ(heading.getString().toAnsiString(), headings[i]);
        EXPECT_EQ(heading.getCharacterSize(), 30u);
        EXPECT_EQ(text.getCharacterSize(), 20u);
        EXPECT_EQ(heading.getFillColor(), sf::Color(30, 30, 30, 255));
        EXPECT_EQ(text.getFillColor(), sf::Color(200, 200, 200, 255));
        EXPECT_FLOAT_EQ(Box(heading).top, expectedTop);
        EXPECT_FLOAT_EQ(Box(text).top, GetTextBottom(heading) + 5);
        EXPECT_FLOAT_EQ(GetTextCenterX(heading), 512);
        EXPECT_FLOAT_EQ(GetTextCenterX(text), 512);
        expectedTop = GetTextBottom(text) + 20;
    }

    const std::string version = menu.entries[1].getString().toAnsiString();
    EXPECT_EQ(version.substr(0, version.find('\n')), "               Vrenk Version 2.3.3, May 2015");
    EXPECT_EQ(std::count(version.begin(), version.end(), '\n'), 1);
    const std::string music = menu.entries[5].getString().toAnsiString();
    EXPECT_EQ(std::count(music.begin(), music.end(), '\n'), 2);
    EXPECT_EQ(menu.entries[7].getString().toAnsiString().rfind("SFML, OpenGL, Kest, Boost.", 0), 0u);
}

TEST(CreditsMenu, TheBackButtonAnswersTheLeftButtonOnly)
{
    App();
    CreditsMenu menu;
    const sf::Sprite& back = menu.backButton.sprite;
    EXPECT_EQ(Click(menu, Centre(back), sf::Mouse::Right), StateStay);
    EXPECT_EQ(Click(menu, Beside(back)), StateStay);
    EXPECT_EQ(Click(menu, BottomRight(back)), StateMainMenu);
    EXPECT_EQ(menu.HandleEvent(KeyPress(sf::Keyboard::Escape)), StateStay);
    EXPECT_EQ(menu.HandleEvent(Closed()), StateQuit);
}

TEST(CreditsMenu, AnEmptyQueueStaysAndTheHeadingBobs)
{
    App();
    CreditsMenu menu;
    sf::Event event;
    while (Window().pollEvent(event)) {
    }
    const float phase = menu.title.phase;
    EXPECT_EQ(menu.Update(), StateStay);
    EXPECT_GT(menu.title.phase, phase);
    Window().clear(testsupport::Unpainted);
    menu.Draw();
    EXPECT_GT(testsupport::PaintedIn(Window(), menu.backButton.sprite.getGlobalBounds()), 0);
}

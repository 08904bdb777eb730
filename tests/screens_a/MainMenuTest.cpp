#include "MenuTestSupport.h"
#include "support/WindowPicture.h"

#include "app/GameWindow.h"
#include "app/StateId.h"
#include "screens/MainMenu.h"

#include <gtest/gtest.h>

using namespace menutest;

namespace {

using Menu = Scripted<MainMenu>;

sf::Vector2f ButtonCentre(const Menu& menu, int style)
{
    return Centre(menu.buttons.at(style).sprite);
}

}  // namespace

TEST(MainMenu, EachButtonLeadsToItsState)
{
    App();
    const struct {
        int style;
        int result;
    } cases[] = {{0, StateProfileSelection}, {1, StateCredits}, {2, StateOptionsFromMainMenu},
                 {3, StateHighscores},       {5, StateQuit}};
    Menu menu;
    ASSERT_EQ(menu.buttons.size(), 5u);
    for (const auto& c : cases)
        EXPECT_EQ(menu.Step(Press(ButtonCentre(menu, c.style))), c.result) << "style " << c.style;

    EXPECT_EQ(menu.Step(), StateStay);
    EXPECT_EQ(menu.Step(Closed()), StateQuit);
    sf::RenderWindow& window = App().window->window;
    window.clear(testsupport::Unpainted);
    menu.Draw();
    for (const auto& c : cases)
        EXPECT_GT(testsupport::PaintedIn(window, menu.buttons.at(c.style).sprite.getGlobalBounds()), 0) << c.style;
}

TEST(MainMenu, EdgesHitAndMissedClicksLetPollingGoOn)
{
    App();
    Menu menu;
    const sf::Sprite& play = menu.buttons.at(0).sprite;
    EXPECT_EQ(menu.Step(Press(BottomRight(play))), StateProfileSelection);
    EXPECT_EQ(menu.Step(Press(Corner(play))), StateProfileSelection);
    EXPECT_EQ(menu.Step(Press(BottomRight(play) + sf::Vector2f(1, 0))), StateStay);

    // A right click and a click beside every button are dropped; the next
    // click decides, and what follows it waits for the next screen.
    const float phase = menu.title.phase;
    EXPECT_EQ(menu.Step(Press(ButtonCentre(menu, 0), sf::Mouse::Right), Press(sf::Vector2f(2, 2)),
                        Press(ButtonCentre(menu, 1)), Press(ButtonCentre(menu, 2))),
              StateCredits);
    EXPECT_GT(menu.title.phase, phase);
    ASSERT_EQ(menu.events.size(), 1u);
    EXPECT_EQ(menu.Step(), StateOptionsFromMainMenu);
}

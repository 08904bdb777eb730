#include "MenuTestSupport.h"
#include "support/WindowPicture.h"

#include "app/ProfileStore.h"
#include "app/GameWindow.h"
#include "app/StateId.h"
#include "screens/ProfileSelection.h"

#include <gtest/gtest.h>

#include <string>

using namespace menutest;

namespace {

using Screen = Scripted<ProfileSelection>;

const sf::Color DeleteTint(150, 0, 0, 255);
const sf::Color MarkedTint(255, 0, 0, 255);

int ClickButton(Screen& screen, std::size_t index)
{
    return screen.Step(Press(Centre(screen.buttons[index].sprite)));
}

int ClickProfile(Screen& screen, std::size_t index)
{
    return screen.Step(Press(Centre(screen.profileButtons[index].sprite)));
}

void Type(Screen& screen, const std::string& text)
{
    for (char c : text)
        screen.events.push_back(TextEntered(static_cast<unsigned char>(c)));
    screen.Step();
}

}  // namespace

TEST(ProfileSelection, TypingFiltersCharactersAndCreatesTheProfile)
{
    SetProfiles({});
    Screen screen;
    Type(screen, "x");
    EXPECT_EQ(screen.entryField.GetText(), "");   // no typing outside the new mode

    ClickButton(screen, 1);
    ASSERT_EQ(screen.mode, ProfileModeNew);
    screen.Step(TextEntered(13));                   // return on an empty field
    EXPECT_EQ(screen.mode, ProfileModeNew);

    // Letters, digits and spaces pass; accented letters, punctuation and code
    // points that would wrap onto a letter are dropped.
    screen.Step(TextEntered('K'), TextEntered(233), TextEntered('-'), TextEntered('_'), TextEntered(0x141),
                TextEntered(' '), TextEntered('7'), TextEntered(0x161), TextEntered('b'), TextEntered(8));
    EXPECT_EQ(screen.entryField.GetText(), "K 7");
    Type(screen, "abcdefghijklmnop");
    EXPECT_EQ(screen.entryField.GetText(), "K 7abcdefghijkl");   // fifteen at most

    screen.Step(TextEntered(13));
    EXPECT_EQ(screen.mode, ProfileModeChoose);
    EXPECT_EQ(screen.entryField.GetText(), "");
    ASSERT_EQ(screen.profileButtons.size(), 1u);
    EXPECT_EQ(screen.profileButtons[0].GetString(), "K 7abcdefghijkl");
    EXPECT_EQ(StoredProfileNames(), std::vector<std::string>{"K 7abcdefghijkl"});

    ClickButton(screen, 1);
    Type(screen, "Bo");
    screen.Step(TextEntered(27));
    EXPECT_EQ(screen.mode, ProfileModeChoose);
    EXPECT_EQ(screen.entryField.GetText(), "");
    EXPECT_EQ(StoredProfileNames().size(), 1u);

    ClickButton(screen, 1);
    ClickButton(screen, 1);                          // the new button again leaves the mode
    EXPECT_EQ(screen.mode, ProfileModeChoose);
    sf::RenderWindow& window = App().window->window;
    window.clear(testsupport::Unpainted);
    screen.Draw();
    EXPECT_GT(testsupport::PaintedIn(window, screen.profileButtons[0].sprite.getGlobalBounds()), 0);
}

TEST(ProfileSelection, AFullListRefusesASixthAndLiesInItsColumn)
{
    SetProfiles({MakeProfile("A"), MakeProfile("B"), MakeProfile("C"), MakeProfile("D"), MakeProfile("E")});
    Screen screen;
    ASSERT_EQ(screen.profileButtons.size(), 5u);
    const float backX = Centre(screen.buttons[0].sprite).x;
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(screen.profileButtons[i].sprite.getPosition().y, 460.f + 38.f * static_cast<float>(i));
        EXPECT_FLOAT_EQ(screen.profileButtons[i].sprite.getPosition().x, backX);
    }

    ClickButton(screen, 1);
    Type(screen, "F");
    screen.Step(TextEntered(13));
    EXPECT_EQ(screen.mode, ProfileModeChoose);
    EXPECT_EQ(screen.entryField.GetText(), "");
    EXPECT_EQ(screen.profileButtons.size(), 5u);
    EXPECT_EQ(StoredProfileNames(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
}

TEST(ProfileSelection, ChoosingAProfileAndGoingBack)
{
    SetProfiles({MakeProfile("A"), MakeProfile("B")});
    ProfileStore& store = *App().profiles;
    Screen screen;
    EXPECT_EQ(ClickProfile(screen, 1), StateLevelSelection);
    EXPECT_EQ(store.currentProfile, 1);

    // While a name is typed a profile click only makes it current.
    ClickButton(screen, 1);
    EXPECT_EQ(ClickProfile(screen, 0), StateStay);
    EXPECT_EQ(store.currentProfile, 0);
    EXPECT_EQ(screen.mode, ProfileModeNew);

    EXPECT_EQ(ClickButton(screen, 0), StateMainMenu);
    EXPECT_EQ(screen.Step(Closed()), StateQuit);
}

TEST(ProfileSelection, DeletionMarksConfirmsAndRewritesTheFile)
{
    SetProfiles({MakeProfile("A"), MakeProfile("B"), MakeProfile("C")});
    Screen screen;
    ClickButton(screen, 2);
    ASSERT_EQ(screen.mode, ProfileModeDeletePick);
    for (const auto& button : screen.profileButtons)
        EXPECT_EQ(button.sprite.getColor(), DeleteTint);
    ClickButton(screen, 2);
    EXPECT_EQ(screen.mode, ProfileModeChoose);
    for (const auto& button : screen.profileButtons)
        EXPECT_EQ(button.sprite.getColor(), sf::Color::White);

    // The confirm button counts only once a profile is marked.
    EXPECT_EQ(screen.Step(Press(Centre(screen.confirmButton.sprite))), StateStay);
    EXPECT_EQ(screen.profileButtons.size(), 3u);

    ClickButton(screen, 2);
    EXPECT_EQ(ClickProfile(screen, 1), StateStay);
    EXPECT_EQ(screen.mode, ProfileModeDeleteConfirm);
    EXPECT_EQ(screen.profileButtons[1].sprite.getColor(), MarkedTint);
    ClickProfile(screen, 2);
    EXPECT_EQ(screen.profileButtons[1].sprite.getColor(), DeleteTint);
    EXPECT_EQ(screen.profileButtons[2].sprite.getColor(), MarkedTint);
    // The tints show: the marked and the doomed button differ from each other.
    sf::RenderWindow& window = App().window->window;
    window.clear(testsupport::Unpainted);
    screen.Draw();
    const sf::Image picture = testsupport::Grab(window);
    const auto pixelOf = [&](const sfxt::TextButton& button) {
        const sf::FloatRect box = button.sprite.getGlobalBounds();
        return picture.getPixel(static_cast<unsigned>(box.left + 6), static_cast<unsigned>(box.top + box.height / 2));
    };
    EXPECT_NE(pixelOf(screen.profileButtons[1]), testsupport::Unpainted);
    EXPECT_NE(pixelOf(screen.profileButtons[1]), pixelOf(screen.profileButtons[2]));

    screen.Step(Press(Centre(screen.confirmButton.sprite)));
    EXPECT_EQ(screen.mode, ProfileModeChoose);
    ASSERT_EQ(screen.profileButtons.size(), 2u);
    EXPECT_EQ(screen.profileButtons[1].sprite.getColor(), sf::Color::White);
    EXPECT_EQ(StoredProfileNames(), (std::vector<std::string>{"A", "B"}));
}

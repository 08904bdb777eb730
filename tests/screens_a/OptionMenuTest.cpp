#include "MenuTestSupport.h"
#include "support/WindowPicture.h"

#include "app/AudioManager.h"
#include "app/GameWindow.h"
#include "app/OptionSlot.h"
#include "app/ProfileStore.h"
#include "app/StateId.h"
#include "kest/KeyNameTable.h"
#include "screens/OptionMenu.h"

#include <SFML/Audio/Music.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace menutest;

namespace {

// The option menu reads the cursor after polling: the script gives it.
struct Options : Scripted<OptionMenu> {
    explicit Options(bool enteredFromPause) : Scripted<OptionMenu>(*App().window, enteredFromPause) {}

    // A left press with the cursor at the point.
    int ClickAt(sf::Vector2f point)
    {
        mouse = sf::Vector2i(static_cast<int>(point.x), static_cast<int>(point.y));
        return Step(Press(point));
    }
    int ClickChoice(std::uint32_t row, std::size_t k) { return ClickAt(Centre(rows[row][k].sprite)); }

    std::vector<std::string> RowTexts(std::uint32_t row) const
    {
        std::vector<std::string> texts;
        for (const auto& button : rows[row])
            texts.push_back(button.GetString());
        return texts;
    }
    // The indices of the tinted choices of a row.
    std::vector<std::size_t> Tinted(std::uint32_t row) const
    {
        std::vector<std::size_t> tinted;
        for (std::size_t k = 0; k < rows[row].size(); ++k)
            if (rows[row][k].sprite.getColor() == sf::Color(255, 200, 0, 255))
                tinted.push_back(k);
        return tinted;
    }

    sf::Vector2i mouse;

protected:
    sf::Vector2i MousePosition() override { return mouse; }
};

GameWindow& Window()
{
    return *App().window;
}

// The default options on file, nothing armed, and profiles without extras.
void FreshOptions(std::uint32_t equipment = 0)
{
    App();
    std::remove("Data/Config.txt");
    Window().LoadConfig();
    Window().applied = Window().selected;
    Window().selected[OptionEditedBinding] = KeyActionNone;
    SetProfiles({MakeProfile("P", 1, 1, equipment)});
}

std::string Key(sf::Keyboard::Key key)
{
    return kest::toString(key);
}

}  // namespace

TEST(OptionMenu, RowsShowTheChoicesAndTheSelection)
{
    FreshOptions();
    Options menu(false);
    EXPECT_EQ(menu.RowTexts(OptionFullscreen), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(menu.RowTexts(OptionFrameMode), (std::vector<std::string>{"VSync", "Dynamic", "Fixed"}));
    EXPECT_EQ(menu.RowTexts(OptionMusicVolume), (std::vector<std::string>{"0 %", "25 %", "50 %", "75 %", "100 %"}));
    EXPECT_EQ(menu.Tinted(OptionFullscreen), std::vector<std::size_t>{1});
    EXPECT_EQ(menu.Tinted(OptionSoundVolume), std::vector<std::size_t>{4});
    EXPECT_TRUE(menu.Tinted(OptionEditedBinding).empty());

    // The three columns around the apply button's centre.
    const float ax = Centre(menu.applyButton.sprite).x;
    const float d = 512 - ax;
    EXPECT_FLOAT_EQ(menu.rows[OptionFullscreen][0].sprite.getPosition().x, 834 - d);
    EXPECT_FLOAT_EQ(menu.rows[OptionEditedBinding][0].sprite.getPosition().x, ax);
    EXPECT_FLOAT_EQ(menu.rows[OptionSoundVolume][0].sprite.getPosition().x, 190 - d);
    sf::RenderWindow& window = Window().window;
    window.clear(testsupport::Unpainted);
    menu.Draw();
    EXPECT_GT(testsupport::PaintedIn(window, menu.applyButton.sprite.getGlobalBounds()), 0);
    for (std::size_t choice = 0; choice < menu.rows[OptionMusicVolume].size(); ++choice)
        EXPECT_GT(testsupport::PaintedIn(window, menu.rows[OptionMusicVolume][choice].sprite.getGlobalBounds()), 0)
            << choice;
}

TEST(OptionMenu, BothButtonsLeaveToTheMenuItCameFrom)
{
    for (bool fromPause : {false, true}) {
        const int expected = fromPause ? StateBackToPauseMenu : StateMainMenu;
        FreshOptions();
        Options cancel(fromPause);
        EXPECT_EQ(cancel.ClickAt(Centre(cancel.cancelButton.sprite)), expected);
        Options apply(fromPause);
        EXPECT_EQ(apply.ClickAt(Centre(apply.applyButton.sprite)), expected);
    }
}

TEST(OptionMenu, ChoiceEdgesAreHalfOpenButApplyEdgesBelong)
{
    FreshOptions();
    Options menu(false);
    const sf::FloatRect choice = menu.rows[OptionMusicVolume][1].sprite.getGlobalBounds();
    const float midY = choice.top + choice.height / 2;
    EXPECT_EQ(menu.HandleClick(true, choice.left + choice.width, midY), StateStay);
    EXPECT_EQ(Window().selected[OptionMusicVolume], 4u);
    EXPECT_EQ(menu.HandleClick(true, choice.left, midY), StateStay);
    EXPECT_EQ(Window().selected[OptionMusicVolume], 1u);
    EXPECT_EQ(menu.Tinted(OptionMusicVolume), std::vector<std::size_t>{1});
    EXPECT_EQ(menu.HandleClick(false, choice.left, midY), StateStay);

    const sf::Vector2f applyEdge = BottomRight(menu.applyButton.sprite);
    EXPECT_EQ(menu.HandleClick(true, applyEdge.x, applyEdge.y), StateMainMenu);
}

TEST(OptionMenu, ArmingABindingTakesTheNextKey)
{
    FreshOptions();
    Options menu(false);
    // Without extras: Left, Right, Up, Down, Jump, Pause, Interface.
    ASSERT_EQ(menu.rows[OptionEditedBinding].size(), 7u);
    EXPECT_EQ(menu.rows[OptionEditedBinding][0].GetString(), "Left: " + Key(sf::Keyboard::Left));

    menu.ClickChoice(OptionEditedBinding, 4);
    EXPECT_EQ(Window().selected[OptionEditedBinding], 4u);
    EXPECT_EQ(menu.Tinted(OptionEditedBinding), std::vector<std::size_t>{4});
    menu.ClickChoice(OptionMusicVolume, 2);                       // other rows leave it armed
    menu.Step(KeyPress(sf::Keyboard::Unknown));                   // a key without a code: still waiting
    EXPECT_EQ(Window().selected[OptionEditedBinding], 4u);

    menu.Step(KeyPress(sf::Keyboard::Left));
    EXPECT_EQ(Window().selected[OptionEditedBinding], static_cast<std::uint32_t>(KeyActionNone));
    EXPECT_EQ(Window().keyBindings[KeyActionJump].key, sf::Keyboard::Left);
    EXPECT_EQ(menu.rows[OptionEditedBinding][0].GetString(), "Left: (unassigned)");
    EXPECT_EQ(menu.rows[OptionEditedBinding][4].GetString(), "Jump: " + Key(sf::Keyboard::Left));
    menu.Step(KeyPress(sf::Keyboard::Q));                         // nothing armed: ignored
    EXPECT_EQ(Window().ActionForKey(sf::Keyboard::Q), KeyActionNone);

    menu.ClickChoice(OptionEditedBinding, 5);
    menu.Step(KeyPress(sf::Keyboard::Q));
    EXPECT_EQ(Window().keyBindings[KeyActionPause].key, sf::Keyboard::Q);

    // Once a profile owns the jetpack its key shows up in sixth place.
    FreshOptions(Profile::EquipmentJetpack);
    Options withJetpack(false);
    ASSERT_EQ(withJetpack.rows[OptionEditedBinding].size(), 8u);
    withJetpack.ClickChoice(OptionEditedBinding, 5);
    withJetpack.Step(KeyPress(sf::Keyboard::W));
    EXPECT_EQ(Window().keyBindings[KeyActionJetpack].key, sf::Keyboard::W);
}

TEST(OptionMenu, ApplyPutsTheChoicesIntoEffectAndSavesThem)
{
    FreshOptions();
    AudioManager& audio = *App().audio;
    audio.SetMainMusic(MusicMenu);
    audio.PlayMainMusic();
    {
        Options menu(false);
        menu.ClickChoice(OptionMusicVolume, 2);
        menu.ClickChoice(OptionFrameMode, 2);
        menu.ClickChoice(OptionEditedBinding, 4);
        menu.Step(KeyPress(sf::Keyboard::G));
        EXPECT_FLOAT_EQ(audio.GetCurrentMusic().getVolume(), 100.f);   // not before apply
        EXPECT_EQ(menu.ClickAt(Centre(menu.applyButton.sprite)), StateMainMenu);
    }
    EXPECT_FLOAT_EQ(audio.GetCurrentMusic().getVolume(), 50.f);
    EXPECT_EQ(Window().applied, Window().selected);
    audio.StopMusic();

    // The file holds them: a fresh load finds them again.
    Window().keyBindings[KeyActionJump].key = sf::Keyboard::F;
    Window().selected[OptionMusicVolume] = 4;
    Window().LoadConfig();
    EXPECT_EQ(Window().GetMusicVolume(), 50u);
    EXPECT_EQ(Window().GetFrameMode(), static_cast<std::uint32_t>(FrameModeLimit));
    EXPECT_EQ(Window().keyBindings[KeyActionJump].key, sf::Keyboard::G);
    Window().ApplyFrameMode(FrameModeFree);
}

TEST(OptionMenu, CancelLeavesTheOptionsAsTheyWere)
{
    FreshOptions();
    {
        Options menu(true);
        menu.ClickChoice(OptionFullscreen, 0);
        menu.ClickChoice(OptionSoundVolume, 1);
        menu.ClickChoice(OptionEditedBinding, 4);
        menu.Step(KeyPress(sf::Keyboard::Left));
        EXPECT_EQ(menu.ClickAt(Centre(menu.cancelButton.sprite)), StateBackToPauseMenu);
    }
    EXPECT_FALSE(Window().IsFullscreen());
    EXPECT_EQ(Window().GetSoundVolume(), 100u);
    EXPECT_FLOAT_EQ(App().audio->GetSoundVolume(), 100.f);
    EXPECT_EQ(Window().keyBindings[KeyActionJump].key, sf::Keyboard::F);
    EXPECT_EQ(Window().keyBindings[KeyActionLeft].key, sf::Keyboard::Left);

    // An unapplied click of an earlier visit is gone at the next opening.
    Options first(false);
    first.ClickChoice(OptionFullscreen, 0);
    Options again(false);
    EXPECT_EQ(again.Tinted(OptionFullscreen), std::vector<std::size_t>{1});
}

TEST(OptionMenu, ALeftPressEndsTheStepsPollingAndRightPressesCountForNothing)
{
    FreshOptions();
    Options menu(false);
    menu.mouse = sf::Vector2i(Centre(menu.applyButton.sprite));
    EXPECT_EQ(menu.Step(Press(sf::Vector2f(menu.mouse), sf::Mouse::Right)), StateStay);

    const sf::Vector2f choice = Centre(menu.rows[OptionSoundVolume][0].sprite);
    menu.mouse = sf::Vector2i(choice);
    EXPECT_EQ(menu.Step(Press(choice), Closed()), StateStay);
    EXPECT_EQ(Window().selected[OptionSoundVolume], 0u);
    ASSERT_EQ(menu.events.size(), 1u);
    EXPECT_EQ(menu.Step(), StateQuit);
}

TEST(OptionMenu, ABindingArmedPastAShrunkListIsDropped)
{
    FreshOptions(Profile::EquipmentJetpack | Profile::EquipmentRocket | Profile::EquipmentRollingBomb |
                 Profile::EquipmentMine);
    {
        Options menu(false);
        ASSERT_EQ(menu.rows[OptionEditedBinding].size(), 11u);
        menu.ClickChoice(OptionEditedBinding, 10);
        menu.ClickAt(Centre(menu.cancelButton.sprite));
    }
    SetProfiles({});
    Options menu(false);
    ASSERT_EQ(menu.rows[OptionEditedBinding].size(), 7u);
    EXPECT_EQ(Window().selected[OptionEditedBinding], 10u);   // still waiting after the visit
    const std::vector<KeyBinding> before = Window().keyBindings;
    menu.Step(KeyPress(sf::Keyboard::Z));
    EXPECT_EQ(Window().selected[OptionEditedBinding], static_cast<std::uint32_t>(KeyActionNone));
    EXPECT_EQ(Window().ActionForKey(sf::Keyboard::Z), KeyActionNone);
    EXPECT_EQ(Window().keyBindings[KeyActionInterface].key, before[KeyActionInterface].key);
}

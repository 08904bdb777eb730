#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"
#include "sfxt/TextButton.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <vector>

struct Profile;

// The choice of the level to play for the current profile: one button per
// level it has reached, and a resume button when it has a saved game. While
// the sound effects are still loading in the background, a loading bar
// stands in their place and only the back button works.
class LevelSelection : public Surface {
public:
    static constexpr float ResumeBelowBack = 396;
    static constexpr float LevelTop = 460;
    static constexpr float LevelSpacing = 65;
    static constexpr float WorldSpacing = 140;

    LevelSelection();

    int Update() override;
    void Draw() override;

    void BuildLevelButtons();
    // Reads the loader's progress and draws the bar; the first progress of
    // 1 marks the screen loaded instead.
    void DrawLoading();

    Title title;
    sfxt::Button backButton;
    sfxt::TextButton resumeButton;
    std::vector<sfxt::TextButton> levelButtons;
    sf::Text loadingText;
    sf::Sprite barFrame;
    sf::Sprite barFill;
    bool loaded = false;

protected:
    // Where the events come from: the input window's queue.
    virtual bool PollEvent(sf::Event& event);

private:
    // One event of the step; StateStay lets polling go on.
    StateId HandleEvent(const sf::Event& event);
    // The result of a left click; StateStay lets polling go on.
    int HandleClick(sf::Vector2f point);
    // The centre of the back button, which the rest is placed around.
    sf::Vector2f BackCentre() const;
};

// The current profile of the application's store; null when there is none.
Profile* CurrentMenuProfile();

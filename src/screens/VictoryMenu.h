#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "kest/BigSprite.h"
#include "sfxt/Button.h"

#include <SFML/Window/Event.hpp>

#include <string>

class ResourceManager;

// The screen after the last level (state 12): the current profile's player
// is congratulated with the final score over the victory picture while the
// victory music plays; a button leads on to the highscores. Leaving the
// screen stops the music.
class VictoryMenu : public Surface {
public:
    explicit VictoryMenu(ResourceManager& resources);
    ~VictoryMenu() override;

    int Update() override;
    void Draw() override;

    // One polled event: StateStay lets the polling go on.
    StateId HandleEvent(const sf::Event& event);

    // The congratulation under the heading, for the profile in play.
    static std::string CongratulationText();

    Title title;
    sfxt::Button highscoresButton;
    kest::BigSprite picture;
};

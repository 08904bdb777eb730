#pragma once

#include "app/Surface.h"
#include "app/Title.h"
#include "screens/MenuCommon.h"
#include "sfxt/Button.h"
#include "sfxt/ButtonStyle.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <map>

// The first screen and the hub of the others: play, credits, options,
// highscores and quit, each a picture button of the GUI texture.
class MainMenu : public Surface {
public:
    MainMenu();
    ~MainMenu() override;

    int Update() override;
    void Draw() override;

    void AddButton(ButtonStyle style, unsigned column, unsigned row);

    // Keyed by style, so that they are tested and drawn in style order.
    std::map<int, sfxt::Button> buttons;
    Title title;

protected:
    // Where the events come from: the input window's queue.
    virtual bool PollEvent(sf::Event& event);

private:
    // One event of the step; StateStay lets polling go on.
    StateId HandleEvent(const sf::Event& event);
};

